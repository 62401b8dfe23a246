// The screen set-up, the two header rows and the three icons (lines 1 to 48).
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;
using scheme_test::read_cell;
using scheme_test::read_text;

class Header : public ::testing::Test {
 protected:
  void SetUp() override {
    run = scheme_test::make_run("24", "2", "5");
    recorder = std::make_unique<FrameRecorder>(*run);
    recorder->capture_first(20);  // the header rows printed
    recorder->capture_first(53);  // the icons drawn
    ending = run->run();
  }
  std::unique_ptr<scheme::HeadlessRun> run;
  std::unique_ptr<FrameRecorder> recorder;
  scheme::RunEnding ending = scheme::RunEnding::bound;
};

TEST_F(Header, ScreenWindowAndResizeMode) {
  EXPECT_EQ(run->runtime.screen_mode(), 12);
  EXPECT_EQ(run->runtime.image().width, 640);
  EXPECT_EQ(run->runtime.image().height, 480);
  EXPECT_EQ(run->platform.window_title, "SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING");
  EXPECT_EQ(run->runtime.resize_mode(), 2);
  EXPECT_FALSE(run->runtime.snap_back());
}

TEST_F(Header, CreditsLineAndSpeedHint) {
  const auto& at20 = recorder->at(20);
  // Credits: nine blanks, then 62 characters in cyan, ending in column 71.
  EXPECT_TRUE(scheme_test::cells_blank(at20.screen, 1, 1, 9));
  EXPECT_NE(read_cell(at20.screen, 1, 10).character, ' ');
  EXPECT_NE(read_cell(at20.screen, 1, 71).character, ' ');
  EXPECT_TRUE(scheme_test::cells_blank(at20.screen, 1, 72, 9));
  for (int column = 10; column <= 71; ++column) {
    const auto cell = read_cell(at20.screen, 1, column);
    EXPECT_NE(cell.character, '?') << column;
    if (cell.character != ' ') {
      EXPECT_EQ(cell.foreground, 3) << column;
    }
  }
  EXPECT_EQ(read_text(at20.screen, 2, 8, 66),
            " Change speed: for 2 x speed press (+), for 0,5 x speed press (-) ");
  for (int column = 8; column <= 73; ++column) {
    const auto cell = read_cell(at20.screen, 2, column);
    if (cell.character != ' ') {
      EXPECT_EQ(cell.foreground, 14) << column;
    }
  }
  EXPECT_TRUE(scheme_test::cells_blank(at20.screen, 2, 74, 7));
  // Both prints ended their line; line 20 made the foreground white.
  EXPECT_EQ(at20.text.row, 3);
  EXPECT_EQ(at20.text.column, 1);
  EXPECT_EQ(at20.text.foreground, 15);
}

struct IconPixel {
  int x;
  int y;
  bool lit;
};

TEST_F(Header, IconPixels) {
  const auto& screen = recorder->at(53).screen;
  const IconPixel pixels[] = {
      // First icon: the ends of its seven segments.
      {5, 15, true}, {5, 5, true}, {10, 1, true}, {14, 5, true}, {14, 15, true}, {19, 19, true}, {23, 15, true},
      {23, 5, true}, {5, 16, false}, {23, 4, false},
      // Second icon: the open frame and the circle of radius 3 around (34, 13).
      {28, 3, true}, {30, 3, true}, {30, 17, true}, {38, 17, true}, {38, 3, true}, {40, 3, true}, {27, 3, false},
      {41, 3, false}, {37, 13, true}, {31, 13, true}, {34, 13, false},
      // Third icon: the dotted line at x 55 lit one pixel in four from y 18 up.
      {55, 18, true}, {55, 17, false}, {55, 16, false}, {55, 15, false}, {55, 14, true}, {55, 10, true},
      {55, 6, true}, {55, 2, true}, {55, 1, false}, {55, 0, false}, {55, 19, false},
      // ... the one at x 45 under the arch's left leg, and the arch.
      {45, 18, true}, {45, 17, false}, {45, 16, false}, {45, 2, true}, {45, 1, false}, {45, 0, false},
      {45, 15, true}, {45, 5, true}, {49, 1, true}, {53, 5, true}, {53, 15, true}, {54, 15, false}};
  for (const IconPixel& p : pixels) {
    EXPECT_EQ(screen.at(p.x, p.y), p.lit ? 15 : 0) << "(" << p.x << ", " << p.y << ")";
  }
  // Nothing of the icons reaches the text of row 2 or the credits.
  for (int x = 56; x < 72; ++x) {
    for (int y = 0; y < 16; ++y) EXPECT_EQ(screen.at(x, y), 0) << x << "," << y;
  }
}

}  // namespace
