// The phase loop's start blocks and the six terminal labels (lines 225 to 264, 513 to 515).
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;
using scheme_test::read_cell;
using scheme_test::read_text;

struct Label {
  int print_line;  // the label's print statement
  const char* text;
  int row;
  int column;
  int colour;
};

void expect_labels(const FrameRecorder& recorder, const std::vector<Label>& labels) {
  for (const Label& label : labels) {
    SCOPED_TRACE(label.text);
    ASSERT_TRUE(recorder.has(label.print_line));
    const auto& screen = recorder.at(label.print_line).screen;
    EXPECT_EQ(read_text(screen, label.row, label.column, 2), label.text);
    EXPECT_EQ(read_cell(screen, label.row, label.column).foreground, label.colour);
    EXPECT_EQ(read_cell(screen, label.row, label.column + 1).foreground, label.colour);
    // The label's print ended its line.
    EXPECT_EQ(recorder.at(label.print_line).text.column, 1);
  }
}

void capture_label_lines(FrameRecorder& recorder) {
  for (int line : {235, 243, 251, 256, 264, 515}) recorder.capture_first(line);
  recorder.capture_first(228);
  recorder.capture_first(513);
}

TEST(PhaseLabels, WorkedExampleStartLabels) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  capture_label_lines(recorder);
  recorder.capture_first(237);
  run->max_statements = 20000;
  run->run();
  expect_labels(recorder, {{235, "U1", 6, 15, 15}, {251, "V1", 24, 15, 12}, {264, "W1", 15, 40, 9}});
  ASSERT_TRUE(recorder.has(228));
  EXPECT_EQ(recorder.at(228).state.step_delay, 1);
  EXPECT_EQ(recorder.at(228).state.row_index, 1);
  EXPECT_EQ(recorder.at(228).text.foreground, 15);
  const auto& u = recorder.at(237).state;
  EXPECT_EQ(u.phase_start_row, 1);
  EXPECT_EQ(u.phase_column_shift, 0);
  EXPECT_EQ(u.draw_colour, 15);
  EXPECT_EQ(u.text_column, 16);
  EXPECT_EQ(u.text_row, 7);
}

TEST(PhaseLabels, WorkedExampleEndLabelsFollowTheReturnHalf) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  capture_label_lines(recorder);
  run->max_statements = 20000;
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  expect_labels(recorder, {{243, "U2", 6, 45, 7}, {256, "V2", 24, 45, 4}, {515, "W2", 15, 70, 1}});
  EXPECT_TRUE(run->error_boxes.empty());
  EXPECT_EQ(recorder.at(513).state.phase_index, 4);
  EXPECT_EQ(run->steps, 81);
}

TEST(PhaseLabels, EmptyBeltsPutLabelsOffTheGridWhereTheCursorStands) {
  // Z = 0, p' = 2: no tracing pass. V1's and V2's rows are 38 and W2's column 91: each
  // locate raises error 5, and the label is printed at column 1 below the one before.
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  capture_label_lines(recorder);
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  expect_labels(recorder,
                {{235, "U1", 16, 11, 15},
                 {243, "U2", 16, 16, 7},
                 {251, "V1", 17, 1, 12},
                 {256, "V2", 18, 1, 4},
                 {264, "W1", 27, 36, 9},
                 {515, "W2", 28, 1, 1}});
  ASSERT_EQ(run->error_boxes.size(), 3U);
  const int lines[3] = {249, 254, 513};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(run->error_boxes[static_cast<std::size_t>(i)].code, 5);
    EXPECT_EQ(run->error_boxes[static_cast<std::size_t>(i)].line, lines[i]);
  }
  const auto& w = recorder.at(513).state;
  EXPECT_EQ(w.phase_start_row, 2);
  EXPECT_EQ(w.phase_column_shift, 1);
  EXPECT_EQ(w.text_column, 37);
  EXPECT_EQ(w.text_row, 28);
  EXPECT_EQ(w.phase_index, 4);
}

TEST(PhaseLabels, StartLabelOnRowZeroIsPrintedWhereTheLastMarkerLeftTheCursor) {
  // Z = 54, p' = 1: belt size 9, row_step 1, no offsets: U1's row is 0 + 1 - 1 = 0. The
  // last belt marker located the cursor at row 20, column 51.
  auto run = scheme_test::make_run("54", "1", "5");
  FrameRecorder recorder(*run);
  capture_label_lines(recorder);
  run->max_statements = 20000;
  run->run();
  ASSERT_FALSE(run->error_boxes.empty());
  bool found = false;
  for (const auto& box : run->error_boxes) {
    if (box.line == 233) found = box.code == 5;
  }
  EXPECT_TRUE(found);
  expect_labels(recorder, {{235, "U1", 20, 51, 15}});
}

}  // namespace
