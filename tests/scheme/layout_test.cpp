// Table and marker offsets by belt size, the grid steps with their 16-bit rounding, and the
// overflow errors of lines 109 and 110.
#include <gtest/gtest.h>

#include <optional>

#include "run_support.h"

namespace {

struct LayoutCase {
  std::string z, p;
  float column_offset, row_offset, column_step, row_step;
  std::optional<std::pair<float, float>> marker_offsets;  // unset: the tables never end
  std::optional<int> overflow_line;                        // the error 6 expected, if any
};

TEST(Layout, OffsetsAndStepsByInput) {
  const LayoutCase cases[] = {
      {"24", "2", 4, 2, 25, 3, {{4, 4}}, {}},       // worked example: 74/3, 22/8
      {"6", "1", 2, 2, 37, 4, {{2, 5}}, {}},        // belt size 1
      {"18", "1", 4, 4, 37, 2, {{4, 5}}, {}},       // belt size 3
      {"24", "1", 5, -1, 37, 2, {{5, 0}}, {}},      // belt size 4
      {"30", "1", 5, 7, 37, 1, {{5, 7}}, {}},       // belt size 5
      {"36", "1", 5, 5, 37, 1, {{5, 5}}, {}},       // belt size 6
      {"42", "1", 5, 3, 37, 1, {{5, 3}}, {}},       // belt size 7
      {"48", "1", 5, 2, 37, 1, {{5, 2}}, {}},       // belt size 8
      {"54", "1", 0, 0, 37, 1, {{0, 0}}, {}},       // belt size 9
      {"25", "2", 0, 0, 25, 3, {{0, 0}}, {}},       // belt size 2.083333
      {"24", "3", 0, 0, 18, 4, {{0, 0}}, {}},       // 74/4 = 18.5 goes to the even 18
      {"8", "2", 0, 0, 25, 6, {{0, 0}}, {}},        // 22/4 = 5.5 goes to the even 6
      {"84", "1", 0, 0, 37, 0, {{0, 0}}, {}},       // 22/44 = 0.5 goes to the even 0
      {"60", "5", 4, 2, 12, 3, {{4, 4}}, {}},       // 74/6 = 12.33
      {"24", "-2", 0, 0, -74, -6, {{0, 0}}, {}},    // 22/-4 = -5.5 goes to the even -6
      {"24", "-3", 0, 0, -37, -11, {{0, 0}}, {}},
      {"24", "-1", 0, 0, 0, -2, {{0, 0}}, 109},     // 74/0
      {"0", "0", 0, 0, 74, 0, {}, 110},             // 22/NaN
      {"24", "0", 0, 0, 74, 0, {}, {}},             // 22/infinity = 0
      {"24", "1E30", 0, 0, 0, 11, {}, {}},          // 74/(1E30 + 1) rounds to 0
      {"0", "2", 0, 0, 25, 11, {{0, 0}}, {}},       // belt size 0
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE("Z=" + c.z + " p'=" + c.p);
    auto run = scheme_test::make_run(c.z, c.p, "5");
    scheme_test::FrameRecorder recorder(*run);
    recorder.capture_first(111);
    recorder.capture_first(191);
    run->max_statements = 6000;
    run->run();
    ASSERT_TRUE(recorder.has(111));
    const auto& s = recorder.at(111).state;
    EXPECT_EQ(s.column_offset, c.column_offset);
    EXPECT_EQ(s.row_offset, c.row_offset);
    EXPECT_EQ(s.column_step, c.column_step);
    EXPECT_EQ(s.row_step, c.row_step);
    EXPECT_EQ(s.entry_counter, 0);
    EXPECT_EQ(recorder.has(191), c.marker_offsets.has_value());
    if (c.marker_offsets && recorder.has(191)) {
      EXPECT_EQ(recorder.at(191).state.marker_column_offset, c.marker_offsets->first);
      EXPECT_EQ(recorder.at(191).state.marker_row_offset, c.marker_offsets->second);
    }
    int overflow_boxes = 0;
    for (const auto& box : run->error_boxes) {
      if (box.code != 6) continue;
      ++overflow_boxes;
      EXPECT_EQ(box.line, c.overflow_line.value_or(-1));
    }
    EXPECT_EQ(overflow_boxes, c.overflow_line ? 1 : 0);
  }
}

}  // namespace
