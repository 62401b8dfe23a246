// Connections at the screen's edges: each is drawn whole or left out whole by its two skip
// tests, "ends left of the screen" (link_x2 < 0) and "starts right of the screen" (link_x1 > 640,
// except the go half's bent connection, which tests link_x2 > 640 there). The tests are strict,
// so a connection ending exactly at x = 0 or starting exactly at x = 640 is drawn.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

// The statements of one kind of connection: where its ends are known, its two skip tests and
// the first of its three drawing statements.
struct ConnectionLines {
  std::int32_t first_draw = 0;
  std::int32_t ends_known = 0;
  std::int32_t skip_left = 0;
  std::int32_t skip_right = 0;
};

constexpr ConnectionLines kConnections[] = {
    {312, 306, 310, 311},  // go half, bent
    {323, 320, 321, 322},  // go half, straight
    {361, 357, 359, 360},  // phase W's go-half copy, bent
    {430, 424, 428, 429},  // return half, bent
    {441, 438, 439, 440},  // return half, straight
    {492, 486, 490, 491},  // phase W's return-half copy, bent
    {503, 500, 501, 502},  // phase W's return-half copy, straight
};

const ConnectionLines* connection_drawn_from(std::int32_t first_draw) {
  for (const ConnectionLines& lines : kConnections) {
    if (lines.first_draw == first_draw) return &lines;
  }
  return nullptr;
}

struct EdgeCase {
  const char* name;
  const char* z;
  const char* p;
  const char* y1;
  float phase;
  float coil;
  float pole;
  std::int32_t line;  // the connection's first drawing statement
  float link_x1;
  float link_x2;
  std::int32_t skipped_at;          // the skip test that leaves it out; 0: drawn
  std::vector<ExpectedDraw> draws;  // its three drawings when drawn
};

// Worked by hand. Z = 24, p' = 2: column_step 25, offsets 4 and 2, row_step 3.
// Z = 66, p' = 11: column_step 6, row_step 4, offsets 2 and 2; phase W's return copies of poles
// 2 and 3 lie at columns 5 and -2.5 (x 45 and -15).
// Z = 181.5, p' = 15.125: column_step 5 (straight offset 8 pixels), row_step 3, offsets 4 and 2;
// phase U's return half has pole 1 at column 80.375 (x 648) and pole 2 at column 76.625 (x 618).
// Z = 225.75, p' = 18.8125: column_step 4, row_step 3, offsets 4 and 2; phase W's return half
// has pole 2 at column 81.25 (x 655) and pole 3 at column 76.25 (x 615).
// Z = 240, p' = 20: column_step 4 (straight offset 6.4 pixels), row_step 3, offsets 4 and 2;
// one lap is 80 columns (640 pixels).
const EdgeCase kEdgeCases[] = {
    // At the left edge.
    {"return_copy_bent_ending_at_x0", "66", "11", "5", 3, 1, 3, 492, 30, 0, 0,
     {
         line_of(492, {30, 249}, {15, 281}, 1),
         circle_of(493, {15, 281}, 2, 1),
         line_of(494, {15, 281}, {0, 249}, 1, Style::dashed),
     }},
    {"return_copy_bent_ending_left_of_screen", "24", "2", "5", 3, 1, 3, 492, 118, -102, 490, {}},
    // Copies of poles 3 and 4 at x 13 and -11: starts on the screen, ends left of it.
    {"return_copy_straight_ending_left_of_screen", "240", "20", "5", 3, 1, 4, 503, 6.6F, -4.6F, 501, {}},
    // At the right edge.
    {"return_bent_starting_at_x640", "225.75", "18.8125", "5", 3, 1, 3, 430, 640, 630, 0,
     {
         line_of(430, {640, 297}, {635, 321}, 1),
         circle_of(431, {635, 321}, 2, 1),
         line_of(432, {635, 321}, {630, 297}, 1, Style::dashed),
     }},
    // Poles 2 and 3 at x 661 and 621: it would end on the screen, but starts right of it.
    {"return_bent_of_u_starting_right_of_screen", "240", "20", "5", 1, 1, 3, 430, 646, 636, 429, {}},
    {"return_bent_of_v_starting_right_of_screen", "240", "20", "5", 2, 2, 3, 430, 646, 636, 429, {}},
    {"return_straight_starting_at_x640", "181.5", "15.125", "5", 1, 1, 2, 441, 640, 626, 0,
     {
         line_of(441, {640, 153}, {626, 153}, 7),
         line_of(442, {634, 149}, {626, 153}, 7),
         line_of(443, {634, 157}, {626, 153}, 7),
     }},
    // Poles 3 and 4 at x 653 and 629.
    {"return_straight_of_w_starting_right_of_screen", "240", "20", "5", 3, 1, 4, 441, 646.6F, 635.4F, 440, {}},
    {"return_straight_of_w_coil_1_off_screen", "24", "2", "5", 3, 1, 2, 441, 643, 573, 440, {}},
    {"return_straight_of_w_coil_2_off_screen", "24", "2", "5", 3, 2, 2, 441, 643, 573, 440, {}},
    // Poles 19 and 20 at x 629 and 653: starts on the screen and runs off it, drawn and clipped.
    {"go_straight_running_off_the_right_edge", "240", "20", "5", 1, 1, 20, 323, 635.4F, 646.6F, 0,
     {
         line_of(323, {635.4F, 105}, {646.6F, 105}, 15),
         line_of(324, {638.6F, 101}, {646.6F, 105}, 15),
         line_of(325, {638.6F, 109}, {646.6F, 105}, 15),
     }},
    // Poles 18 and 19 at x 621 and 661: the go half's bent connection is left out when it ends
    // right of the screen, even when it starts on it.
    {"go_bent_of_w_ending_right_of_screen", "240", "20", "5", 3, 1, 19, 312, 636, 646, 311, {}},
    {"go_bent_of_w_off_screen", "24", "2", "5", 3, 1, 3, 312, 498, 718, 311, {}},
};

void PrintTo(const EdgeCase& c, std::ostream* out) { *out << c.name; }

class ScreenEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ScreenEdges, ConnectionIsDrawnOrLeftOutWhole) {
  const EdgeCase& c = GetParam();
  const ConnectionLines* lines = connection_drawn_from(c.line);
  ASSERT_NE(lines, nullptr) << "no connection is drawn from line " << c.line;
  RecordOptions options;
  options.only_phase = c.phase;
  options.only_coil = c.coil;
  options.only_pole = c.pole;
  const TraceRecording run = record_run(c.z, c.p, c.y1, options);

  const TracedFrame* ends = frame_of_pass(run, lines->ends_known, c.phase, c.coil, c.pole);
  ASSERT_NE(ends, nullptr) << "the pass reaches no line " << lines->ends_known;
  EXPECT_EQ(ends->state.link_x1, c.link_x1);
  EXPECT_EQ(ends->state.link_x2, c.link_x2);

  std::vector<std::int32_t> skips_taken;
  for (const std::int32_t skip : {lines->skip_left, lines->skip_right}) {
    if (frame_of_pass(run, skip, c.phase, c.coil, c.pole) != nullptr) skips_taken.push_back(skip);
  }
  const std::vector<std::int32_t> expected_skips =
      c.skipped_at == 0 ? std::vector<std::int32_t>{} : std::vector<std::int32_t>{c.skipped_at};
  EXPECT_EQ(skips_taken, expected_skips) << "skip tests that jumped";
  expect_drawn_sequence(of_pass(run.drawn_in(c.phase, c.line, c.line + 2), c.coil, c.pole), c.draws);
}

INSTANTIATE_TEST_SUITE_P(Connections, ScreenEdges, ::testing::ValuesIn(kEdgeCases),
                         [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scheme::testing
