// The odd-number and even-number tables (lines 113 to 168).
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;
using scheme_test::read_cell;
using scheme_test::read_text;

// Worked example Z = 24, p' = 2, y1 = 5: rows 7, 10 (belt 1, white), 16, 19 (belt 2, light
// blue), 25, 28 (belt 3, light red) in every pole column.
constexpr int kRows[6] = {7, 10, 16, 19, 25, 28};
constexpr int kColours[6] = {15, 15, 9, 9, 12, 12};

struct TableCase {
  const char* name;
  int columns[3];
  int numbers[3][6];
};

TEST(NumberTables, WorkedExampleNumbersCellsAndColours) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(174);  // after the even table
  recorder.capture_first(225);  // after the belt markers
  run->max_statements = 5000;
  run->run();
  ASSERT_TRUE(recorder.has(225));

  const TableCase tables[] = {
      {"odd", {16, 41, 66}, {{1, 3, 5, 7, 9, 11}, {13, 15, 17, 19, 21, 23}, {1, 3, 5, 7, 9, 11}}},
      {"even", {10, 35, 60}, {{18, 20, 22, 24, 2, 4}, {6, 8, 10, 12, 14, 16}, {18, 20, 22, 24, 2, 4}}},
  };
  const auto& screen = recorder.at(225).screen;
  for (const TableCase& table : tables) {
    for (int pole = 0; pole < 3; ++pole) {
      for (int row = 0; row < 6; ++row) {
        const std::string item = " " + std::to_string(table.numbers[pole][row]) + " ";
        const int column = table.columns[pole];
        SCOPED_TRACE(std::string(table.name) + " table, row " + std::to_string(kRows[row]) + " column " +
                     std::to_string(column));
        EXPECT_EQ(read_text(screen, kRows[row], column, static_cast<int>(item.size())), item);
        EXPECT_EQ(read_cell(screen, kRows[row], column + 1).foreground, kColours[row]);
      }
    }
  }
  for (const auto& box : run->error_boxes) EXPECT_GT(box.line, 225) << "error " << box.code;
  EXPECT_EQ(recorder.count(116), 18);
  EXPECT_EQ(recorder.count(144), 18);
  // The last entry's new line leaves the cursor at row 29 without scrolling: row 1 is intact.
  EXPECT_EQ(recorder.at(174).text.row, 29);
  EXPECT_EQ(recorder.at(174).text.column, 1);
  EXPECT_EQ(read_cell(recorder.at(174).screen, 1, 10).foreground, 3);

  const auto& s = recorder.at(174).state;
  EXPECT_EQ(s.pole_index, 4);
  EXPECT_EQ(s.row_index, 7);
  EXPECT_EQ(s.entry_counter, 14);  // -4 + 18
  EXPECT_EQ(s.slot_number, 4);
  EXPECT_EQ(s.draw_colour, 12);
}

TEST(NumberTables, EvenY1ShiftsByHalfARowAndPrintsOddNumbers) {
  auto run = scheme_test::make_run("24", "2", "4");
  FrameRecorder recorder(*run);
  recorder.capture_first(174);
  run->max_statements = 5000;
  run->run();
  ASSERT_TRUE(recorder.has(174));
  const int expected[6] = {17, 19, 21, 23, 1, 3};
  for (int row = 0; row < 6; ++row) {
    const std::string item = " " + std::to_string(expected[row]) + " ";
    EXPECT_EQ(read_text(recorder.at(174).screen, kRows[row], 10, static_cast<int>(item.size())), item);
  }
}

TEST(NumberTables, NoRowsWhenZIsZero) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(140);
  recorder.capture_first(191);
  run->run();
  ASSERT_TRUE(recorder.has(191));
  const auto& s = recorder.at(191).state;
  EXPECT_EQ(recorder.count(116) + recorder.count(144), 0);
  EXPECT_EQ(recorder.count(114), 3);  // the pole loops still run
  EXPECT_EQ(recorder.count(142), 3);
  EXPECT_EQ(s.row_index, 1);
  EXPECT_EQ(s.pole_index, 4);
  EXPECT_EQ(s.column_entry, 0);
  // -layer_shift, with layer_shift = 0 - (5 - 1) / 2; no row changes it afterwards.
  EXPECT_EQ(recorder.at(140).state.entry_counter, 2);
  // Rows 4 to 29 hold nothing yet.
  for (int row = 4; row <= 29; ++row) EXPECT_TRUE(scheme_test::cells_blank(recorder.at(191).screen, row, 1, 80)) << row;
}

TEST(NumberTables, LocateOutsideTheGridPrintsWhereTheCursorStood) {
  // Z = 60, p' = 1: row_step 1 and no offsets, so row_index 29 lands on text row 31.
  auto run = scheme_test::make_run("60", "1", "5");
  FrameRecorder recorder(*run);
  bool saw_box = false;
  scheme_test::Capture after_print;
  recorder.also = [&](int line) {
    if (line == 132 && run->runtime.words.pending_error.load() != 0) saw_box = true;
    if (line == 135 && saw_box && after_print.screen.pixels.empty()) after_print = scheme_test::capture_now(*run);
  };
  run->max_statements = 3000;
  run->run();
  ASSERT_FALSE(run->error_boxes.empty());
  EXPECT_EQ(run->error_boxes[0].code, 5);
  EXPECT_EQ(run->error_boxes[0].line, 132);
  ASSERT_FALSE(after_print.screen.pixels.empty());
  EXPECT_EQ(after_print.state.slot_number, 57);
  // Printed at column 1 of row 29, where row 30's new line had left the cursor; its own new
  // line then scrolled it up to row 28.
  EXPECT_EQ(read_text(after_print.screen, 28, 1, 4), " 57 ");
  EXPECT_EQ(read_cell(after_print.screen, 28, 2).foreground, 12);
  EXPECT_TRUE(scheme_test::cells_blank(after_print.screen, 29, 1, 80));
  EXPECT_EQ(after_print.text.row, 29);
  EXPECT_EQ(after_print.text.column, 1);
}

}  // namespace
