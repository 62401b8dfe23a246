// The return half of each phase, phase W's return-half copies and the end labels, for
// Z = 24, p' = 2, y1 = 5.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

const TraceRecording& worked_example() { return cached_run("24", "2", "5"); }

struct ReturnPass {
  float coil;
  float pole;
  float mirrored_pole;
  float left_column_flag;
  float return_row;
  float text_row;
  float text_column;
  Point centre;
  const char* number;
};

const ReturnPass kReturnPassesOfU[] = {
    {1, 1, 3, 1, 2, 10, 59.75, {483, 153}, "20"}, {1, 2, 2, 0, 2, 10, 41, {333, 153}, "15"},
    {1, 3, 1, 1, 1, 7, 9.75, {83, 105}, "18"},    {2, 1, 3, 1, 1, 7, 59.75, {483, 105}, "18"},
    {2, 2, 2, 0, 1, 7, 41, {333, 105}, "13"},     {2, 3, 2, 0, 1, 7, 41, {333, 105}, "13"},
};

TEST(ReturnHalfWorkedExample, PhaseUWalksBackRightToLeftAndUpwards) {
  const TraceRecording& run = worked_example();
  const auto circles = run.frames_of(416, 1);
  ASSERT_EQ(circles.size(), std::size(kReturnPassesOfU));
  for (std::size_t i = 0; i < circles.size(); ++i) {
    const ReturnPass& pass = kReturnPassesOfU[i];
    const ProgramState& s = circles[i]->state;
    SCOPED_TRACE("pass " + std::to_string(i + 1));
    EXPECT_EQ(s.coil_index, pass.coil);
    EXPECT_EQ(s.pole_index, pass.pole);
    EXPECT_EQ(s.mirrored_pole, pass.mirrored_pole);
    EXPECT_EQ(s.left_column_flag, pass.left_column_flag);
    EXPECT_EQ(s.return_row_base, 3);
    EXPECT_EQ(s.return_row, pass.return_row);
    EXPECT_EQ(s.text_row, pass.text_row);
    EXPECT_EQ(s.text_column, pass.text_column);
    EXPECT_EQ(s.marker_x[static_cast<std::size_t>(pass.pole)], pass.centre.x);
    EXPECT_EQ(s.marker_y[static_cast<std::size_t>(pass.pole)], pass.centre.y);
    EXPECT_EQ(circles[i]->cursor.x, pass.centre.x);
    EXPECT_EQ(circles[i]->cursor.y, pass.centre.y);
    const int column = static_cast<int>(std::floor(pass.centre.x / 8)) + 1;
    EXPECT_EQ(text_at(run.screen_before_phase[1], static_cast<int>(pass.text_row), column, 2), pass.number);
  }
  const ProgramState& last = run.frames_of(449, 1).back()->state;
  EXPECT_EQ(last.row_index, 2);
  EXPECT_EQ(last.text_row, 7);
  EXPECT_EQ(last.text_column, 41);
}

// Phase U's return half; phase V's is the same 288 pixels lower.
std::vector<ExpectedDraw> return_half_of_u_or_v(float dy, int colour) {
  auto p = [dy](float x, float y) { return Point{x, y + dy}; };
  return {
      circle_of(416, p(483, 153), 15, colour),
      circle_of(416, p(333, 153), 15, colour),
      line_of(441, p(443, 153), p(373, 153), colour),
      line_of(442, p(381, 149), p(373, 153), colour),
      line_of(443, p(381, 157), p(373, 153), colour),
      circle_of(416, p(83, 105), 15, colour),
      line_of(430, p(318, 153), p(208, 129), colour),
      circle_of(431, p(208, 129), 2, colour),
      line_of(432, p(208, 129), p(98, 105), colour, Style::dashed),
      circle_of(416, p(483, 105), 15, colour),
      circle_of(416, p(333, 105), 15, colour),
      line_of(441, p(443, 105), p(373, 105), colour),
      line_of(442, p(381, 101), p(373, 105), colour),
      line_of(443, p(381, 109), p(373, 105), colour),
      circle_of(416, p(333, 105), 15, colour),
  };
}

TEST(ReturnHalfWorkedExample, PhasesUAndVDrawTheirConnections) {
  const TraceRecording& run = worked_example();
  {
    SCOPED_TRACE("phase U");
    expect_drawn_sequence(run.drawn_in(1, 383, 510), return_half_of_u_or_v(0, 7));
  }
  {
    SCOPED_TRACE("phase V");
    expect_drawn_sequence(run.drawn_in(2, 383, 510), return_half_of_u_or_v(288, 4));
  }
}

TEST(ReturnHalfWorkedExample, PhaseVCirclesTheNumbersOfItsRows) {
  const TraceRecording& run = worked_example();
  const auto circles = run.frames_of(416, 2);
  const float rows[] = {28, 28, 25, 25, 25, 25};
  const std::string numbers[] = {"4", "23", "2", "2", "21", "21"};
  ASSERT_EQ(circles.size(), std::size(rows));
  for (std::size_t i = 0; i < circles.size(); ++i) {
    const ProgramState& s = circles[i]->state;
    SCOPED_TRACE("pass " + std::to_string(i + 1));
    EXPECT_EQ(s.text_row, rows[i]);
    EXPECT_EQ(s.return_row_base, 15);
    const int column = static_cast<int>(std::floor(circles[i]->cursor.x / 8)) + 1;
    EXPECT_EQ(text_at(run.screen_before_phase[1], static_cast<int>(rows[i]), column, static_cast<int>(numbers[i].size())),
              numbers[i]);
  }
}

TEST(ReturnHalfWorkedExample, PhaseWAndItsCopiesOneLapLeft) {
  const TraceRecording& run = worked_example();
  const std::vector<ExpectedDraw> expected = {
      // Coil 1.
      circle_of(416, {683, 297}, 15, 1),  // off the screen
      circle_of(478, {283, 297}, 15, 1),  // its copy; no connection from element 0
      circle_of(416, {533, 297}, 15, 1),  // straight connection left out: link_x1 is 643
      circle_of(478, {133, 297}, 15, 1),
      line_of(503, {243, 297}, {173, 297}, 1),
      line_of(504, {181, 293}, {173, 297}, 1),
      line_of(505, {181, 301}, {173, 297}, 1),
      circle_of(416, {283, 249}, 15, 1),
      line_of(430, {518, 297}, {408, 273}, 1),
      circle_of(431, {408, 273}, 2, 1),
      line_of(432, {408, 273}, {298, 249}, 1, Style::dashed),
      circle_of(478, {-117, 249}, 15, 1),  // off the screen; connection skipped at line 490
      // Coil 2.
      circle_of(416, {683, 249}, 15, 1),
      circle_of(478, {283, 249}, 15, 1),
      circle_of(416, {533, 249}, 15, 1),
      circle_of(478, {133, 249}, 15, 1),
      line_of(503, {243, 249}, {173, 249}, 1),
      line_of(504, {181, 245}, {173, 249}, 1),
      line_of(505, {181, 253}, {173, 249}, 1),
      circle_of(416, {533, 249}, 15, 1),  // stepped back
      circle_of(478, {133, 249}, 15, 1),  // connection skipped at line 487
  };
  expect_drawn_sequence(run.drawn_in(3, 383, 510), expected);
  EXPECT_EQ(run.frames_of(487, 3).size(), 1U);
}

TEST(ReturnHalfWorkedExample, PhaseWCopiesStandOnTheirTableEntries) {
  const TraceRecording& run = worked_example();
  struct Copy {
    float text_row;
    float text_column;
    Point centre;
    const char* number;
  };
  const Copy copies[] = {
      {19, 34.75, {283, 297}, "12"}, {19, 16, {133, 297}, "7"},  {16, -15.25, {-117, 249}, ""},
      {16, 34.75, {283, 249}, "10"}, {16, 16, {133, 249}, "5"}, {16, 16, {133, 249}, "5"},
  };
  const auto stores = run.frames_of(477, 3);
  ASSERT_EQ(stores.size(), std::size(copies));
  for (std::size_t i = 0; i < stores.size(); ++i) {
    const ProgramState& s = stores[i]->state;
    SCOPED_TRACE("copy " + std::to_string(i + 1));
    EXPECT_EQ(s.text_row, copies[i].text_row);
    EXPECT_EQ(s.text_column, copies[i].text_column);
    const auto pole = static_cast<std::size_t>(s.pole_index);
    EXPECT_EQ(s.wrap_marker_x[pole], copies[i].centre.x);
    EXPECT_EQ(s.wrap_marker_y[pole], copies[i].centre.y);
    const std::string number = copies[i].number;
    if (!number.empty()) {
      const int column = static_cast<int>(std::floor(copies[i].centre.x / 8)) + 1;
      EXPECT_EQ(text_at(run.screen_before_phase[1], static_cast<int>(copies[i].text_row), column,
                        static_cast<int>(number.size())),
                number);
    }
  }
  // The copies leave pole_index and row_index as they found them.
  const auto starts = run.frames_of(452, 3);
  const auto ends = run.frames_of(477, 3);
  ASSERT_EQ(starts.size(), ends.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_EQ(ends[i]->state.pole_index, starts[i]->state.pole_index);
    EXPECT_EQ(ends[i]->state.row_index, starts[i]->state.row_index);
  }
  // What W2 is placed from.
  const ProgramState& last = run.frames.back().state;
  EXPECT_EQ(last.text_column, 16);
  EXPECT_EQ(last.text_row, 16);
}

TEST(ReturnHalfWorkedExample, PhasesUAndVStoreNoCopies) {
  const TraceRecording& run = worked_example();
  for (const float phase : {1.0F, 2.0F}) {
    EXPECT_TRUE(run.frames_of(453, phase).empty());
    EXPECT_TRUE(run.frames_of(478, phase).empty());
  }
  const ProgramState& before_w = run.frames_of(370, 3).front()->state;
  for (const float x : before_w.wrap_marker_x) ASSERT_EQ(x, 0);
}

TEST(ReturnHalfWorkedExample, CursorParksWhereAFailedLabelWouldPrint) {
  const TraceRecording& run = worked_example();
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    const auto parks = run.frames_of(415, phase);
    ASSERT_EQ(parks.size(), 6U);
    for (const TracedFrame* frame : parks) {
      EXPECT_EQ(frame->text_cursor_row, frame->state.pole_index);
      EXPECT_EQ(frame->text_cursor_column, 15 * phase);
    }
  }
}

TEST(EndLabels, StandBesideTheLastCircleOfEachReturnHalf) {
  expect_terminal_labels(worked_example(), {{{6, 15}, {6, 45}, {24, 15}, {24, 45}, {15, 40}, {15, 70}}});
}

TEST(WholeRun, WorkedExampleTakes81StepsAndEndsNormally) {
  const TraceRecording& run = worked_example();
  EXPECT_EQ(run.steps, 81);
  EXPECT_EQ(run.ending, RunEnding::end_program);
  EXPECT_TRUE(run.error_boxes.empty());
  for (const float phase : {1.0F, 2.0F, 3.0F}) EXPECT_EQ(run.frames_of(445, phase).size(), 6U);
}

}  // namespace
}  // namespace scheme::testing
