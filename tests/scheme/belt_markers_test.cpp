// The belt markers (lines 191 to 220): position, colour, and cross or dot.
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;
using scheme_test::ScreenCopy;

struct Marker {
  int x;
  int y;
  int colour;
  bool cross;
};

// The ring of radius 5 is lit 5 pixels left and right of the centre; a cross lights the four
// diagonal ends 2 pixels out and leaves the centre's left and right neighbours dark; a dot of
// radius 1 lights the centre's left and right neighbours and leaves the diagonals dark.
void expect_marker(const ScreenCopy& screen, const Marker& m) {
  SCOPED_TRACE("marker at (" + std::to_string(m.x) + ", " + std::to_string(m.y) + ")");
  EXPECT_EQ(screen.at(m.x + 5, m.y), m.colour);
  EXPECT_EQ(screen.at(m.x - 5, m.y), m.colour);
  const int diagonal = m.cross ? m.colour : 0;
  const int beside = m.cross ? 0 : m.colour;
  EXPECT_EQ(screen.at(m.x - 2, m.y - 2), diagonal);
  EXPECT_EQ(screen.at(m.x + 2, m.y + 2), diagonal);
  EXPECT_EQ(screen.at(m.x - 2, m.y + 2), diagonal);
  EXPECT_EQ(screen.at(m.x + 2, m.y - 2), diagonal);
  EXPECT_EQ(screen.at(m.x - 1, m.y), beside);
  EXPECT_EQ(screen.at(m.x + 1, m.y), beside);
  EXPECT_EQ(screen.at(m.x, m.y), m.colour);
}

TEST(BeltMarkers, WorkedExampleCentresColoursAndShapes) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(225);
  run->max_statements = 5000;
  run->run();
  ASSERT_TRUE(recorder.has(225));
  const Marker markers[] = {
      {106, 57, 15, true},  {106, 201, 9, false}, {106, 345, 12, true},
      {306, 57, 15, false}, {306, 201, 9, true},  {306, 345, 12, false},
      {506, 57, 15, true},  {506, 201, 9, false}, {506, 345, 12, true},
  };
  for (const Marker& m : markers) expect_marker(recorder.at(225).screen, m);
  EXPECT_EQ(recorder.count(195), 9);
  const auto& after = recorder.at(225);
  EXPECT_EQ(after.state.entry_counter, 9);
  EXPECT_EQ(after.state.pixel_x, 506);
  EXPECT_EQ(after.state.pixel_y, 345);
  EXPECT_EQ(after.state.pole_index, 4);
  EXPECT_EQ(after.state.row_index, 4);
  // Line 212 of the last marker left the cursor at row 22, column 63.
  EXPECT_EQ(after.text.row, 22);
  EXPECT_EQ(after.text.column, 63);
  EXPECT_EQ(after.text.foreground, 12);
}

TEST(BeltMarkers, TiesToEvenPlaceTheColumns) {
  // Z = 60, p' = 5: column_step 12, so 36 / 8 = 4.5 gives 4: columns 8, 20, 32, 44, 56, 68.
  auto run = scheme_test::make_run("60", "5", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(225);
  run->max_statements = 20000;
  run->run();
  ASSERT_TRUE(recorder.has(225));
  const int xs[6] = {66, 162, 258, 354, 450, 546};
  int count = 0;
  for (int pole = 0; pole < 6; ++pole) {
    const int ys[3] = {57, 201, 345};
    const int colours[3] = {15, 9, 12};
    for (int belt = 0; belt < 3; ++belt) {
      ++count;
      expect_marker(recorder.at(225).screen, {xs[pole], ys[belt], colours[belt], count % 2 == 1});
    }
  }
  EXPECT_EQ(recorder.count(195), 18);
}

TEST(BeltMarkers, RowZeroIsNotLocatedAndDrawsNothingOnScreen) {
  // Z = 48, p' = 2, y1 = 9: belt size 4, marker row offset 0: the first belt's markers lie
  // at text row 0, pixel y -7.
  auto run = scheme_test::make_run("48", "2", "9");
  FrameRecorder recorder(*run);
  recorder.capture_first(191);
  recorder.capture_first(225);
  run->max_statements = 20000;
  run->run();
  ASSERT_TRUE(recorder.has(225));
  for (const auto& box : run->error_boxes) EXPECT_NE(box.line, 212);
  // Line 212 runs its frame twice (condition, locate) only for the rows 10 and 20.
  EXPECT_EQ(recorder.count(212), 2 * 6);
  // The markers' pixels above row 1 are all off screen: the top pixel rows show what the
  // header left there.
  const auto& before = recorder.at(191).screen;
  const auto& after = recorder.at(225).screen;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 640; ++x) EXPECT_EQ(after.at(x, y), before.at(x, y)) << x << "," << y;
  }
  // The first visible marker, pole column 1 belt 2, is light blue and holds a dot.
  expect_marker(after, {114, 153, 9, false});
  expect_marker(after, {114, 313, 12, true});
}

TEST(BeltMarkers, BeyondTheRightEdgeRaisesErrorFiveAtTheLocate) {
  // Z = 180, p' = 15: column_step 5; pole column 16 has text column 81.
  auto run = scheme_test::make_run("180", "15", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(225);
  run->max_statements = 60000;
  run->run();
  ASSERT_TRUE(recorder.has(225));
  int at_212 = 0;
  for (const auto& box : run->error_boxes) {
    if (box.line == 212) {
      ++at_212;
      EXPECT_EQ(box.code, 5);
    }
  }
  EXPECT_EQ(at_212, 3);
  EXPECT_EQ(recorder.at(225).state.entry_counter, 48);
}

}  // namespace
