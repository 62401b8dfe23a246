// Circle drawing: the sampled pixels, centre rounding, clipping, huge and invalid circles,
// colours, the graphics cursor and errors.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/screen/drawing_support.h"

namespace {

using drawing_support::column;
using drawing_support::DrawingTest;
using drawing_support::mirrored;
using drawing_support::on_screen;
using drawing_support::PixelSet;
using drawing_support::row;

constexpr screen::FlagSet<screen::CircleGiven> kCentreRelative = screen::CircleGiven::centre_relative;
constexpr screen::FlagSet<screen::CircleGiven> kColour = screen::CircleGiven::colour;

struct CircleCase {
  std::string name;
  double x = 0.0;
  double y = 0.0;
  double r = 0.0;
  PixelSet expected;
};

void PrintTo(const CircleCase& circle_case, std::ostream* out) { *out << circle_case.name; }

// The plotted samples of one quarter, as (X, Y) offsets, worked out from the sampling rule:
// n steps of (pi / 2) / n, X = int(c r + 0.5), Y = trunc(s r - 0.5), a sample within one
// pixel of the last plotted one held back.
const PixelSet kRadius3At34And13 = mirrored(34, 13, {{3, 0}, {3, -1}, {2, -2}, {1, -3}, {0, -3}});

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const std::vector<CircleCase> kCircleCases = {
    {"RadiusZeroIsTheCentre", 50, 60, 0, {{50, 60}}},
    {"Radius1", 100, 100, 1, mirrored(100, 100, {{1, 0}, {0, -1}})},
    {"Radius2", 100, 100, 2, mirrored(100, 100, {{2, 0}, {2, -1}, {1, -2}, {0, -2}})},
    {"Radius3IconCircle", 34, 13, 3, kRadius3At34And13},
    // Samples (3,0) (2,-1) (2,-2) (1,-2) (0,-3): (2,-2) is replaced by (1,-2).
    {"Radius2Point6DropsAHeldSample", 300, 300, 2.6, mirrored(300, 300, {{3, 0}, {2, -1}, {1, -2}, {0, -3}})},
    // The sample (4,-4) is replaced by (3,-4).
    {"Radius5", 200, 150, 5,
     mirrored(200, 150, {{5, 0}, {5, -1}, {5, -2}, {4, -3}, {3, -4}, {2, -5}, {1, -5}, {0, -5}})},
    {"NegativeRadiusCountsItsSize", 34, 13, -3, kRadius3At34And13},
    {"CentreRoundsHalfAwayFromZero", 33.5, 12.5, 3, kRadius3At34And13},
    {"NegativeCentreRoundsHalfAwayFromZero", -2.5, 50, 3, {{0, 49}, {0, 50}, {0, 51}}},
    {"ClippedAtTheTopLeftCorner", 0, 0, 3, {{3, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 3}}},
    {"ClippedAtTheBottomRightCorner", 639, 479, 3,
     on_screen(mirrored(639, 479, {{3, 0}, {3, -1}, {2, -2}, {1, -3}, {0, -3}}))},
    // x + r + 0.5 = 0.1: drawn; the centre pixel is (-3, 100) and X = 3 reaches the screen.
    {"JustTouchingTheLeftEdge", -3.0, 100, 2.6, {{0, 100}}},
    // x + r + 0.5 = -0.1: nothing, although the rounded centre is the same.
    {"MissTestUsesTheUnroundedCentre", -3.2, 100, 2.6, {}},
    {"MissesTheScreen", 700, 100, 5, {}},
    {"ScreenInsideAHugeRing", 320, 240, 1e30, {}},
    {"RadiusNearTheDoubleLimit", 320, 240, 1e308, {}},
    {"CentreAndRadiusNearTheDoubleLimit", 1e308, -1e308, 1.7e308, {}},
    {"RadiusNotANumber", 320, 240, kNaN, {}},
    {"InfiniteRadius", 320, 240, kInf, {}},
    {"CentreNotANumber", kNaN, 240, 5, {}},
    {"InfiniteCentre", -kInf, 240, 5, {}},
    // The top of a circle of a million pixels: flat across the screen within 0.06 pixels.
    {"HugeCircleCrossingHorizontally", 320, 1e6 + 240, 1e6, row(240, 0, 639)},
    {"HugeCircleCrossingVertically", -1e6 + 100, 240, 1e6, column(100, 0, 479)},
};

class CirclePixels : public DrawingTest, public ::testing::WithParamInterface<CircleCase> {};

TEST_P(CirclePixels, LightExactlyTheExpectedPixels) {
  const CircleCase& c = GetParam();
  rt.draw_circle(c.x, c.y, c.r, 13, 0, 0, 0, kColour);
  EXPECT_EQ(lit(), c.expected);
  for (const auto& pixel : c.expected) EXPECT_EQ(colour_at(pixel), 13);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(Circles, CirclePixels, ::testing::ValuesIn(kCircleCases),
                         [](const auto& info) { return info.param.name; });

using CircleDrawing = DrawingTest;

TEST_F(CircleDrawing, Radius15IsASymmetricConnectedRing) {
  constexpr std::int32_t cx = 300;
  constexpr std::int32_t cy = 200;
  rt.draw_circle(cx, cy, 15, 12, 0, 0, 0, kColour);
  const PixelSet ring = lit();
  EXPECT_EQ(ring.size(), 84U);
  for (const auto& [x, y] : ring) {
    const std::int32_t dx = x - cx;
    const std::int32_t dy = y - cy;
    EXPECT_TRUE(ring.contains({cx - dx, cy + dy}) && ring.contains({cx + dx, cy - dy})) << dx << ", " << dy;
    EXPECT_NEAR(std::hypot(dx, dy), 15.0, 1.0) << dx << ", " << dy;
    bool has_neighbour = false;
    for (std::int32_t ny = -1; ny <= 1; ++ny) {
      for (std::int32_t nx = -1; nx <= 1; ++nx) {
        if ((nx != 0 || ny != 0) && ring.contains({x + nx, y + ny})) has_neighbour = true;
      }
    }
    EXPECT_TRUE(has_neighbour) << dx << ", " << dy;
  }
  // Points of the upper right quarter that the sampling rule gives whatever the last bits of
  // the turning vector.
  for (const auto& [dx, dy] : PixelSet{{15, 0}, {15, -3}, {14, -4}, {14, -6}, {13, -7}, {12, -9}, {11, -10},
                                       {10, -11}, {9, -12}, {7, -13}, {6, -14}, {4, -14}, {3, -15}, {0, -15}}) {
    EXPECT_TRUE(ring.contains({cx + dx, cy + dy})) << dx << ", " << dy;
  }
  // Left out by the thinning: the corner sample (11, -11) would thicken the ring.
  EXPECT_FALSE(ring.contains({cx + 11, cy - 11}));
}

TEST_F(CircleDrawing, ColourIsTheGivenOneOrTheForeground) {
  rt.set_color(6, 0, 0, screen::ColorGiven::foreground);
  rt.draw_circle(100, 100, 1, 9, 0, 0, 0, screen::kNoFlags);  // colour not given
  rt.draw_circle(200, 100, 1, 0x2B, 0, 0, 0, kColour);         // only the low 4 bits count
  EXPECT_EQ(colour_at({101, 100}), 6);
  EXPECT_EQ(colour_at({201, 100}), 11);
}

TEST_F(CircleDrawing, CursorGoesToTheCentreEvenWhenNothingIsDrawn) {
  rt.draw_circle(-3.2, 100.75, 2.6, 15, 0, 0, 0, kColour);
  EXPECT_TRUE(lit().empty());
  EXPECT_EQ(rt.graphics_cursor().x, -3.2F);
  EXPECT_EQ(rt.graphics_cursor().y, 100.75F);
  rt.draw_circle(1e300, kNaN, 5, 15, 0, 0, 0, kColour);
  EXPECT_EQ(rt.graphics_cursor().x, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(rt.graphics_cursor().y));
}

TEST_F(CircleDrawing, RelativeCentreIsTakenFromTheCursor) {
  rt.draw_circle(10, -5, 1, 15, 0, 0, 0, kCentreRelative | kColour);
  EXPECT_EQ(lit(), mirrored(330, 235, {{1, 0}, {0, -1}}));
  EXPECT_EQ(rt.graphics_cursor().x, 330.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 235.0F);
}

TEST_F(CircleDrawing, PendingErrorDoesNothingAtAll) {
  rt.raise_error(screen::kOverflow);
  rt.draw_circle(100, 100, 5, 15, 0, 0, 0, kColour);
  EXPECT_TRUE(lit().empty());
  EXPECT_EQ(rt.graphics_cursor().x, 320.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 240.0F);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kOverflow);
}

TEST(CircleOnTextScreen, RaisesIllegalFunctionCallAndDrawsNothing) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  const std::vector<std::uint8_t> before = rt.image().pixels;
  rt.draw_circle(100, 100, 5, 15, 0, 0, 0, kColour);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.image().pixels, before);
}

}  // namespace
