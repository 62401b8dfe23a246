// The go half of each phase and phase W's go-half copies, for Z = 24, p' = 2, y1 = 5
// (belt_size 2, column_step 25, row_step 3, column_offset 4, row_offset 2).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

const TraceRecording& worked_example() { return cached_run("24", "2", "5"); }

struct GoPass {
  float phase;
  float coil;
  float pole;
  float text_row;
  float text_column;
  Point centre;
  const char* number;  // the table entry inside the circle; "" when the circle is off the screen
};

// The six passes of each phase, in order.
const GoPass kGoPasses[] = {
    {1, 1, 1, 7, 16, {133, 105}, "1"},      {1, 1, 2, 7, 34.75, {283, 105}, "6"},
    {1, 1, 3, 10, 66, {533, 153}, "3"},     {1, 2, 1, 10, 16, {133, 153}, "3"},
    {1, 2, 2, 10, 34.75, {283, 153}, "8"},  {1, 2, 3, 10, 34.75, {283, 153}, "8"},
    {2, 1, 1, 25, 16, {133, 393}, "9"},     {2, 1, 2, 25, 34.75, {283, 393}, "14"},
    {2, 1, 3, 28, 66, {533, 441}, "11"},    {2, 2, 1, 28, 16, {133, 441}, "11"},
    {2, 2, 2, 28, 34.75, {283, 441}, "16"}, {2, 2, 3, 28, 34.75, {283, 441}, "16"},
    {3, 1, 1, 16, 41, {333, 249}, "17"},    {3, 1, 2, 16, 59.75, {483, 249}, "22"},
    {3, 1, 3, 19, 91, {733, 297}, ""},      {3, 2, 1, 19, 41, {333, 297}, "19"},
    {3, 2, 2, 19, 59.75, {483, 297}, "24"}, {3, 2, 3, 19, 59.75, {483, 297}, "24"},
};

TEST(GoHalfWorkedExample, EachPassPlacesItsCentreAroundTheTableEntry) {
  const TraceRecording& run = worked_example();
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    const auto centres = run.frames_of(297, phase);
    const auto circles = run.drawn_in(phase, 298, 298);
    std::vector<const GoPass*> expected;
    for (const GoPass& pass : kGoPasses) {
      if (pass.phase == phase) expected.push_back(&pass);
    }
    ASSERT_EQ(centres.size(), expected.size()) << "phase " << phase;
    ASSERT_EQ(circles.size(), expected.size()) << "phase " << phase;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const GoPass& pass = *expected[i];
      const ProgramState& s = centres[i]->state;
      SCOPED_TRACE("phase " + std::to_string(phase) + " pass " + std::to_string(i + 1));
      EXPECT_EQ(s.coil_index, pass.coil);
      EXPECT_EQ(s.pole_index, pass.pole);
      EXPECT_EQ(s.text_row, pass.text_row);
      EXPECT_EQ(s.text_column, pass.text_column);
      const auto pole = static_cast<std::size_t>(pass.pole);
      EXPECT_EQ(s.marker_x[pole], pass.centre.x);
      EXPECT_EQ(s.marker_y[pole], pass.centre.y);
      EXPECT_EQ(s.marker_radius, 15);
      const int colour = phase == 1 ? 15 : phase == 2 ? 12 : 9;
      expect_drawn(*circles[i], circle_of(298, pass.centre, 15, colour));
      const std::string number = pass.number;
      if (!number.empty()) {
        const int row = static_cast<int>(pass.text_row);
        const int column = static_cast<int>(std::floor(pass.centre.x / 8)) + 1;
        EXPECT_EQ(text_at(run.screen_before_phase[1], row, column, static_cast<int>(number.size())), number);
      }
    }
  }
}

// The expected drawings of phase U's go half; phase V's are the same 288 pixels lower.
std::vector<ExpectedDraw> go_half_of_u_or_v(float dy, int colour) {
  auto p = [dy](float x, float y) { return Point{x, y + dy}; };
  return {
      circle_of(298, p(133, 105), 15, colour),
      circle_of(298, p(283, 105), 15, colour),
      line_of(323, p(173, 105), p(243, 105), colour),
      line_of(324, p(235, 101), p(243, 105), colour),
      line_of(325, p(235, 109), p(243, 105), colour),
      circle_of(298, p(533, 153), 15, colour),
      line_of(312, p(298, 105), p(408, 129), colour, Style::dashed),
      circle_of(313, p(408, 129), 2, colour),
      line_of(314, p(408, 129), p(518, 153), colour),
      circle_of(298, p(133, 153), 15, colour),
      circle_of(298, p(283, 153), 15, colour),
      line_of(323, p(173, 153), p(243, 153), colour),
      line_of(324, p(235, 149), p(243, 153), colour),
      line_of(325, p(235, 157), p(243, 153), colour),
      circle_of(298, p(283, 153), 15, colour),  // the last pass, stepped back; its connection skipped
  };
}

TEST(GoHalfWorkedExample, PhasesUAndVDrawTheirConnections) {
  const TraceRecording& run = worked_example();
  {
    SCOPED_TRACE("phase U");
    expect_drawn_sequence(run.drawn_in(1, 266, 364), go_half_of_u_or_v(0, 15));
  }
  {
    SCOPED_TRACE("phase V");
    expect_drawn_sequence(run.drawn_in(2, 266, 364), go_half_of_u_or_v(288, 12));
  }
}

TEST(GoHalfWorkedExample, LastPassOfUSkipsItsBentConnectionAndLeavesTheLinkValues) {
  const TraceRecording& run = worked_example();
  const auto skips = run.frames_of(307, 1);
  ASSERT_EQ(skips.size(), 1U);
  EXPECT_EQ(skips[0]->state.coil_index, 2);
  EXPECT_EQ(skips[0]->state.pole_index, 3);
  EXPECT_EQ(skips[0]->state.wrap_adjusted, 1);

  const auto lead_start = run.frames_of(370, 1);
  ASSERT_EQ(lead_start.size(), 1U);
  const ProgramState& s = lead_start[0]->state;
  EXPECT_EQ(s.link_x1, 298);
  EXPECT_EQ(s.link_x2, 268);
  EXPECT_EQ(s.link_y2, 153);
  EXPECT_EQ(s.bend_height, 0);  // set at line 309: pole 3 is pole_pairs + 1
  EXPECT_EQ(s.row_index, 2);
  EXPECT_EQ(s.coil_index, 3);
  EXPECT_EQ(s.pole_index, 4);
  EXPECT_EQ(s.marker_radius, 15);
}

TEST(GoHalfWorkedExample, PhaseWDrawsItsCopiesOneLapLeft) {
  const TraceRecording& run = worked_example();
  const std::vector<ExpectedDraw> expected = {
      // Coil 1.
      circle_of(298, {333, 249}, 15, 9),
      circle_of(298, {483, 249}, 15, 9),
      line_of(323, {373, 249}, {443, 249}, 9),
      line_of(324, {435, 245}, {443, 249}, 9),
      line_of(325, {435, 253}, {443, 249}, 9),
      circle_of(335, {83, 249}, 15, 9),   // copy of pole 2
      circle_of(298, {733, 297}, 15, 9),  // off the screen; its connection skipped at line 311
      circle_of(350, {333, 297}, 15, 9),  // copy of pole 3
      line_of(361, {98, 249}, {208, 273}, 9, Style::dashed),
      circle_of(362, {208, 273}, 2, 9),
      line_of(363, {208, 273}, {318, 297}, 9),
      // Coil 2, the last.
      circle_of(298, {333, 297}, 15, 9),
      circle_of(298, {483, 297}, 15, 9),
      line_of(323, {373, 297}, {443, 297}, 9),
      line_of(324, {435, 293}, {443, 297}, 9),
      line_of(325, {435, 301}, {443, 297}, 9),
      circle_of(335, {83, 297}, 15, 9),
      circle_of(298, {483, 297}, 15, 9),  // stepped back; connection skipped at line 307
      circle_of(350, {83, 297}, 15, 9),   // copy at index 4; connection skipped at line 358
  };
  expect_drawn_sequence(run.drawn_in(3, 266, 364), expected);
}

TEST(GoHalfWorkedExample, PhaseWCopiesLeaveTheirPositionsAndLinkValues) {
  const TraceRecording& run = worked_example();
  const auto copy_stores = run.frames_of(349, 3);
  ASSERT_EQ(copy_stores.size(), 2U);
  EXPECT_EQ(copy_stores[0]->state.marker_x[3], 333);
  EXPECT_EQ(copy_stores[0]->state.marker_y[3], 297);
  EXPECT_EQ(copy_stores[1]->state.pole_index, 4);
  EXPECT_EQ(copy_stores[1]->state.marker_x[4], 83);
  EXPECT_EQ(copy_stores[1]->state.marker_y[4], 297);
  EXPECT_EQ(copy_stores[1]->state.marker_x[3], 483);  // the last pass's own centre stays

  const auto last_skip = run.frames_of(358, 3);
  ASSERT_EQ(last_skip.size(), 1U);
  const ProgramState& s = last_skip[0]->state;
  EXPECT_EQ(s.coil_index, 2);
  EXPECT_EQ(s.link_x1, 98);
  EXPECT_EQ(s.link_y1, 297);
  EXPECT_EQ(s.link_x2, 68);
  EXPECT_EQ(s.link_y2, 297);
  EXPECT_EQ(s.link_mid_x, 83);
  EXPECT_EQ(s.link_mid_y, 297);
  EXPECT_EQ(s.row_index, 5);

  // Block A restores text_column and marker_x(p') after drawing its copy.
  for (const TracedFrame* frame : run.frames_of(337, 3)) {
    EXPECT_EQ(frame->state.text_column, 59.75);
    EXPECT_EQ(frame->state.marker_x[2], 483);
  }
  // Block B leaves row_index as it found it, and the pole loop ends at p' + 3.
  for (const TracedFrame* frame : run.frames_of(364, 3)) EXPECT_EQ(frame->state.row_index, frame->state.coil_index + 3);
  const auto lead_start = run.frames_of(370, 3);
  ASSERT_EQ(lead_start.size(), 1U);
  EXPECT_EQ(lead_start[0]->state.pole_index, 5);
}

TEST(GoHalfWorkedExample, PhasesUAndVOnlyTestTheCopyConditions) {
  const TraceRecording& run = worked_example();
  for (const float phase : {1.0F, 2.0F}) {
    for (std::int32_t line = 333; line <= 364; ++line) {
      EXPECT_TRUE(run.frames_of(line, phase).empty()) << "phase " << phase << " line " << line;
    }
  }
}

TEST(GoHalfWorkedExample, CopiesFollowTheStepsDelayWithNoStepOfTheirOwn) {
  const TraceRecording& run = worked_example();
  const TracedFrame* last_step_line = nullptr;
  int copies = 0;
  for (const TracedFrame& frame : run.frames) {
    if (frame.line == 327 || frame.line == 331) last_step_line = &frame;
    if ((frame.line == 335 || frame.line == 350) && frame.state.phase_index == 3) {
      ++copies;
      ASSERT_NE(last_step_line, nullptr);
      EXPECT_EQ(last_step_line->line, 331);
      EXPECT_EQ(frame.now_ms, last_step_line->now_ms);
    }
  }
  EXPECT_EQ(copies, 4);
}

TEST(GoHalfWorkedExample, OneAnimationStepPerPass) {
  const TraceRecording& run = worked_example();
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    EXPECT_EQ(run.frames_of(327, phase).size(), 6U);
    EXPECT_EQ(run.frames_of(331, phase).size(), 6U);
  }
}

}  // namespace
}  // namespace scheme::testing
