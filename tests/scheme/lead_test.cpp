// The lead between the go and the return half of each phase.
#include <gtest/gtest.h>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

struct LeadCase {
  const char* z;
  const char* p;
  float phase;
  Point start;
  Point turn;
  float end_x;
  int go_colour;
  int return_colour;
};

// start: link_x2 + 30 on the row link_y2; turn: lead_mid_x, bend_height lower; end: lead_end_x.
const LeadCase kLeads[] = {
    {"24", "2", 1, {298, 153}, {383, 153}, 468, 15, 7},
    {"24", "2", 2, {298, 441}, {383, 441}, 468, 12, 4},
    {"24", "2", 3, {98, 297}, {183, 297}, 268, 9, 1},
    // p' = 3: the go half ends with a straight connection and bend_height is 24.
    {"36", "3", 1, {398.2F, 153}, {469, 177}, 512.2F, 15, 7},
    // belt_size 2.25: phase W's last copy draws its connection, and the lead runs back left.
    {"27", "2", 3, {316, 325}, {276, 325}, 486, 9, 1},
    // Z = 0: no coil loop runs, so the leads start from the starting values, 30 further each time.
    {"0", "2", 1, {30, 0}, {100, 0}, 200, 15, 7},
    {"0", "2", 2, {60, 0}, {115, 0}, 230, 12, 4},
    {"0", "2", 3, {90, 0}, {130, 0}, 260, 9, 1},
};

void PrintTo(const LeadCase& lead, std::ostream* out) {
  *out << "Z=" << lead.z << " p'=" << lead.p << " phase " << lead.phase;
}

class LeadTest : public ::testing::TestWithParam<LeadCase> {};

TEST_P(LeadTest, DashedToItsTurnThenSolidInTheReturnColour) {
  const LeadCase& lead = GetParam();
  const TraceRecording& run = cached_run(lead.z, lead.p, "5");
  expect_drawn_sequence(run.drawn_in(lead.phase, 370, 379),
                        {
                            line_of(373, lead.start, lead.turn, lead.go_colour, Style::dashed),
                            circle_of(374, lead.turn, 3, lead.go_colour),
                            line_of(378, lead.turn, {lead.end_x, lead.start.y}, lead.return_colour),
                        });
  const auto colour_set = run.frames_of(379, lead.phase);
  ASSERT_EQ(colour_set.size(), 1U);
  EXPECT_EQ(colour_set[0]->foreground, lead.return_colour);
  EXPECT_EQ(colour_set[0]->state.draw_colour, lead.return_colour);
  EXPECT_EQ(colour_set[0]->state.link_x2, lead.start.x);
  EXPECT_EQ(colour_set[0]->state.lead_end_x, lead.end_x);
  EXPECT_EQ(colour_set[0]->state.lead_mid_x, lead.turn.x);
}

INSTANTIATE_TEST_SUITE_P(Phases, LeadTest, ::testing::ValuesIn(kLeads));

TEST(Lead, HasNoAnimationStepOfItsOwn) {
  const TraceRecording& run = cached_run("24", "2", "5");
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    const auto last_go_delay = run.frames_of(331, phase);
    const auto lead_end = run.frames_of(379, phase);
    ASSERT_FALSE(last_go_delay.empty());
    ASSERT_EQ(lead_end.size(), 1U);
    EXPECT_EQ(lead_end[0]->now_ms, last_go_delay.back()->now_ms);
  }
}

TEST(Lead, ZeroSlotsMakeNoTracingSteps) {
  const TraceRecording& run = cached_run("0", "2", "5");
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    EXPECT_TRUE(run.frames_of(327, phase).empty());
    EXPECT_TRUE(run.frames_of(445, phase).empty());
    const auto lead_start = run.frames_of(370, phase);
    ASSERT_EQ(lead_start.size(), 1U);
    EXPECT_EQ(lead_start[0]->state.coil_index, 1);
  }
}

}  // namespace
}  // namespace scheme::testing
