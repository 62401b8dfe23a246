// Where the statement frame runs: after every statement, after a taken condition and again
// after its one-line action, at every pass of a loop, never for a branch not taken.
#include <gtest/gtest.h>

#include <vector>

#include "run_support.h"

namespace {

using Lines = std::vector<int>;

void append(Lines& to, const Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

Lines range(int first, int last) {
  Lines lines;
  for (int line = first; line <= last; ++line) lines.push_back(line);
  return lines;
}

Lines header_and_inputs() {
  Lines lines = {1, 3, 6, 9, 12, 13, 14, 16, 17, 18, 20, 23};
  append(lines, range(24, 30));
  lines.push_back(33);
  append(lines, range(34, 39));
  lines.push_back(42);
  append(lines, range(43, 48));
  append(lines, {53, 55, 56, 58, 59, 61, 62, 64, 65, 66, 67, 68, 69, 70, 73, 74, 75, 77, 80, 81, 83, 84, 86});
  return lines;
}

// One belt marker: its colour line is a taken one-line conditional (two frames); line 212
// runs twice unless the marker's text row is 0; an odd count draws the cross (215, 216,
// 217), an even one the dot (219) without a frame for the untaken condition.
Lines marker(int belt, bool located, bool cross) {
  Lines lines = {194, 195, 199, 200, 201 + belt, 201 + belt, 206, 207, 209, 210, 211};
  if (located) append(lines, {212, 212});
  lines.push_back(214);
  append(lines, cross ? Lines{215, 216, 217} : Lines{219});
  return lines;
}

// A phase whose belts are empty: marker_radius (266), no coil pass, then the lead with the
// taken colour conditional of its phase.
Lines empty_phase_tracing(int phase) {
  return {266, 370, 371, 372, 373, 374, 374 + phase, 374 + phase, 378, 379};
}

TEST(StatementFrames, WholeRunWithEmptyBelts) {
  // Z = 0, p' = 2, y1 = 5: belt size 0 (no offsets, no table rows, no tracing passes),
  // markers at text rows 0, 11 and 22.
  auto run = scheme_test::make_run("0", "2", "5");
  scheme_test::FrameRecorder recorder(*run);
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);

  Lines expected = header_and_inputs();
  append(expected, {109, 110, 111});
  for (int pole = 0; pole < 3; ++pole) append(expected, {113, 114});
  expected.push_back(140);
  for (int pole = 0; pole < 3; ++pole) append(expected, {141, 142});
  expected.push_back(191);
  int count = 0;
  for (int pole = 0; pole < 3; ++pole) {
    expected.push_back(192);
    for (int belt = 1; belt <= 3; ++belt) append(expected, marker(belt, belt != 1, ++count % 2 == 1));
  }
  append(expected, {225, 226, 227});
  append(expected, {228, 229});
  append(expected, range(230, 237));
  append(expected, empty_phase_tracing(1));
  append(expected, {228, 240});
  append(expected, range(241, 251));
  append(expected, empty_phase_tracing(2));
  append(expected, {228, 253});
  append(expected, range(254, 264));
  append(expected, empty_phase_tracing(3));
  append(expected, {513, 514, 515, 516, 522, 523, 526});
  EXPECT_EQ(recorder.lines(), expected);
  EXPECT_EQ(run->statements, 291);
  EXPECT_EQ(run->statements, static_cast<std::int64_t>(recorder.lines().size()));
  EXPECT_EQ(run->steps, 9);
}

TEST(StatementFrames, WorkedExampleUpToTheSecondEntry) {
  auto run = scheme_test::make_run("24", "2", "5");
  scheme_test::FrameRecorder recorder(*run);
  run->max_statements = 5000;
  run->run();
  Lines expected = header_and_inputs();
  // Belt size 2: only lines 92 and 101 are taken, each with its frame twice.
  append(expected, {92, 92, 101, 101, 109, 110, 111});
  // Entry 1 (white, belt 1), then entry 2; line 134 is not taken for 1 or 3.
  append(expected, {113, 114, 115, 116, 120, 121, 122, 123, 124, 124, 127, 128, 129, 132, 133, 135});
  append(expected, {115, 116, 120, 121, 122, 123, 124, 124, 127, 128, 129, 132, 133, 135});
  const Lines& seen = recorder.lines();
  ASSERT_GE(seen.size(), expected.size());
  EXPECT_EQ(Lines(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);

  // Taken conditionals run their frame twice, untaken ones not at all: 6 odd entries exceed
  // Z, the even table's first 4 entries have entry_counter < 1 and 2 of its entries exceed Z.
  EXPECT_EQ(recorder.count(134), 2 * 6);
  EXPECT_EQ(recorder.count(160), 4);
  EXPECT_EQ(recorder.count(161), 4);
  EXPECT_EQ(recorder.count(163), 14);
  EXPECT_EQ(recorder.count(167), 2 * 2);
  EXPECT_EQ(recorder.count(117), 0);
  EXPECT_EQ(recorder.count(118), 0);
  EXPECT_EQ(recorder.count(124) + recorder.count(125) + recorder.count(126), 2 * 18);
}

TEST(StatementFrames, ErrorBoxAnsweredNoEndsTheRunAtThatFrame) {
  auto run = scheme_test::make_run("0", "2", "5");
  scheme_test::FrameRecorder recorder(*run);
  run->no_at_box = 1;
  EXPECT_EQ(run->run(), scheme::RunEnding::no);
  ASSERT_EQ(run->error_boxes.size(), 1U);
  EXPECT_EQ(run->error_boxes[0].code, 5);
  EXPECT_EQ(run->error_boxes[0].line, 249);
  EXPECT_EQ(recorder.lines().back(), 249);
  const auto screen = scheme_test::copy_screen(run->runtime);
  EXPECT_TRUE(scheme_test::cells_blank(screen, 30, 1, 80));  // no end-of-run prompt
  EXPECT_TRUE(scheme_test::cells_blank(screen, 17, 1, 2));   // V1 was never printed
}

}  // namespace
