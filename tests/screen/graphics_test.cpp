// Line drawing: pixels, styles, rounding, clipping, colours, the graphics cursor and errors.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/screen/drawing_support.h"

namespace {

using drawing_support::column;
using drawing_support::DrawingTest;
using drawing_support::PixelSet;
using drawing_support::row;
using drawing_support::unite;

using LineFlags = screen::FlagSet<screen::LineGiven>;
constexpr LineFlags kFirstPoint = screen::LineGiven::first_point;
constexpr LineFlags kSecondRelative = screen::LineGiven::second_relative;
constexpr LineFlags kFirstRelative = screen::LineGiven::first_relative;
constexpr LineFlags kColour = screen::LineGiven::colour;
constexpr LineFlags kStyle = screen::LineGiven::style;
constexpr LineFlags kAbsoluteWithColourAndStyle = kFirstPoint | kColour | kStyle;
constexpr std::uint16_t kSolid = 0xFFFF;
constexpr std::uint16_t kDotted = 0x8888;
constexpr std::uint16_t kDashed = 0xFF00;

struct Segment {
  float x1 = 0.0F;
  float y1 = 0.0F;
  float x2 = 0.0F;
  float y2 = 0.0F;
  std::uint16_t style = kSolid;
};

struct LineCase {
  std::string name;
  std::vector<Segment> segments;
  PixelSet expected;
};

void PrintTo(const LineCase& line_case, std::ostream* out) { *out << line_case.name; }

PixelSet main_diagonal() {
  PixelSet pixels;
  for (std::int32_t i = 0; i < 480; ++i) pixels.insert({i, i});
  return pixels;
}

constexpr float kHuge = 1e30F;
constexpr float kMax = std::numeric_limits<float>::max();

const std::vector<LineCase> kLineCases = {
    {"HorizontalSolid", {{10, 10, 14, 10}}, row(10, 10, 14)},
    {"HorizontalBackwards", {{14, 10, 10, 10}}, row(10, 10, 14)},
    {"DottedIconLineLightsEveryFourthPixelFromItsStart", {{45, 18, 45, 0, kDotted}},
     {{45, 18}, {45, 14}, {45, 10}, {45, 6}, {45, 2}}},
    {"DashedEightOnEightOff", {{0, 50, 20, 50, kDashed}}, unite({row(50, 0, 7), row(50, 16, 20)})},
    {"DashedPatternStartsAtTheFirstPoint", {{20, 50, 0, 50, kDashed}}, unite({row(50, 13, 20), row(50, 0, 4)})},
    {"ShallowLineRoundsTheHalfAwayFromZero", {{20, 20, 24, 21}}, {{20, 20}, {21, 20}, {22, 21}, {23, 21}, {24, 21}}},
    {"SteepLineFollowsY", {{30, 20, 31, 24}}, {{30, 20}, {30, 21}, {31, 22}, {31, 23}, {31, 24}}},
    {"EqualDistancesMakeYTheMajorAxis", {{104, 55, 108, 59}, {104, 59, 108, 55}},
     {{104, 55}, {105, 56}, {106, 57}, {107, 58}, {108, 59}, {104, 59}, {105, 58}, {107, 56}, {108, 55}}},
    {"IconSegmentWithNegativeSlope", {{5, 5, 10, 1}}, {{5, 5}, {6, 4}, {7, 3}, {8, 3}, {9, 2}, {10, 1}}},
    // 1/6 summed nine times in single precision stays just below 1.5.
    {"MinorAxisFollowsASinglePrecisionSum", {{100, 0, 112, 2}},
     unite({row(0, 100, 102), row(1, 103, 109), row(2, 110, 112)})},
    {"CoordinatesRoundHalfToEven",
     {{0.5F, 30, 4.5F, 30}, {1.5F, 40, 2.5F, 40}, {10, 2.5F, 10, 5.5F}, {-0.5F, 60, 1.5F, 60}, {3.5F, 70, 3.5F, 70}},
     unite({row(30, 0, 4), {{2, 40}}, column(10, 2, 6), row(60, 0, 2), {{4, 70}}})},
    {"BothPointsOnOnePixelMakeOnePixel", {{100.4F, 100.6F, 99.6F, 101.4F}}, {{100, 101}}},
    {"OnePixelTakesTheMostSignificantStyleBit", {{200, 200, 200, 200, 0x7FFF}, {210, 200, 210, 200, 0x8000}},
     {{210, 200}}},
    // The accumulator passes -1, -0.5, 0, 0.5, 1: -0.5 stays off the screen, 0.5 goes up.
    {"NegativeHalfRoundsAwayFromZeroAtTheEdge", {{0, -1, 4, 1}}, {{2, 0}, {3, 1}, {4, 1}}},
    {"ClippedStartKeepsThePhase", {{-4, 10, 20, 10, kDashed}}, unite({row(10, 0, 3), row(10, 12, 19)})},
    // Six steps are cut off (x from -3 to 0, y from 0 to 6): the dash shows on steps 6 and 7.
    {"ClippedMinorAxisKeepsThePhase", {{-3, 0, 3, 12, kDashed}}, {{0, 6}, {1, 7}}},
    // Five steps are cut off above the screen: dots on steps 8, 12, 16 and 20.
    {"ClippedSteepDottedLineKeepsThePhase", {{2, -5, 6, 15, kDotted}}, {{4, 3}, {4, 7}, {5, 11}, {6, 15}}},
    // The same single-precision sum seven steps after a start off the screen.
    {"ClippedLineKeepsThePixelsOfTheWholeLine", {{-7, 0, 5, 2}}, unite({row(1, 0, 2), row(2, 3, 5)})},
    {"LinesOffTheScreenDrawNothing", {{-10, -10, -1, -5}, {700, 10, 650, 400}, {10, 480, 600, 900}}, {}},
    {"HugeDiagonalShowsItsVisiblePart", {{-kHuge, -kHuge, kHuge, kHuge}},
     main_diagonal()},
    {"HugeHorizontalShowsItsVisiblePart", {{-kHuge, 5, kHuge, 5}}, row(5, 0, 639)},
    {"EndNearTheFloatLimit", {{0, 0, 3e38F, 1}}, row(0, 0, 639)},
    {"DiagonalBetweenTheFloatLimits", {{-kMax, -kMax, kMax, kMax}},
     main_diagonal()},
};

class LinePixels : public DrawingTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LinePixels, LightExactlyTheExpectedPixels) {
  for (const Segment& s : GetParam().segments) {
    rt.draw_line(s.x1, s.y1, s.x2, s.y2, 14, 0, s.style, kAbsoluteWithColourAndStyle);
  }
  EXPECT_EQ(lit(), GetParam().expected);
  for (const auto& pixel : GetParam().expected) EXPECT_EQ(colour_at(pixel), 14);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, LinePixels, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return info.param.name; });

using LineDrawing = DrawingTest;

TEST_F(LineDrawing, ClearStyleBitsLeaveThePixelsAsTheyWere) {
  rt.draw_line(0, 50, 20, 50, 2, 0, kSolid, kAbsoluteWithColourAndStyle);
  rt.draw_line(0, 50, 20, 50, 4, 0, kDashed, kAbsoluteWithColourAndStyle);
  for (std::int32_t x = 0; x <= 20; ++x) {
    const bool dash = x < 8 || x >= 16;
    EXPECT_EQ(colour_at({x, 50}), dash ? 4 : 2) << "x = " << x;
  }
}

TEST_F(LineDrawing, WithoutAGivenStyleTheLineIsSolid) {
  rt.draw_line(0, 7, 20, 7, 6, 0, kDashed, kFirstPoint | kColour);
  EXPECT_EQ(lit(), row(7, 0, 20));
}

TEST_F(LineDrawing, ColourIsTheGivenOneOrTheForeground) {
  rt.set_color(3, 0, 0, screen::ColorGiven::foreground);
  rt.draw_line(0, 0, 9, 0, 9, 0, kSolid, kFirstPoint);             // colour not given
  rt.draw_line(0, 1, 9, 1, 0x1C, 0, kSolid, kFirstPoint | kColour);  // only the low 4 bits count
  rt.draw_line(0, 2, 9, 2, -1, 0, kSolid, kFirstPoint | kColour);
  for (std::int32_t x = 0; x <= 9; ++x) {
    EXPECT_EQ(colour_at({x, 0}), 3);
    EXPECT_EQ(colour_at({x, 1}), 12);
    EXPECT_EQ(colour_at({x, 2}), 15);
  }
}

TEST_F(LineDrawing, CursorEndsAtTheUnroundedSecondPoint) {
  rt.draw_line(12.7F, 3.2F, 100.25F, 50.75F, 0, 0, kSolid, kFirstPoint);
  EXPECT_EQ(rt.graphics_cursor().x, 100.25F);
  EXPECT_EQ(rt.graphics_cursor().y, 50.75F);
  rt.draw_line(-50, -50, -20.5F, -10, 0, 0, kSolid, kFirstPoint);  // off the screen
  EXPECT_EQ(rt.graphics_cursor().x, -20.5F);
  EXPECT_EQ(rt.graphics_cursor().y, -10.0F);
  // The first line, from (13, 3) to (100, 51), was drawn: 88 pixels along x.
  const PixelSet drawn = lit();
  EXPECT_EQ(drawn.size(), 88U);
  EXPECT_TRUE(drawn.contains({13, 3}));
  EXPECT_TRUE(drawn.contains({100, 51}));
}

TEST_F(LineDrawing, RelativePointsAndAMissingFirstPointUseTheCursor) {
  // From (320, 240): first point (330, 245), second 4 pixels further right.
  rt.draw_line(10, 5, 4, 0, 2, 0, kSolid, kFirstPoint | kFirstRelative | kSecondRelative | kColour);
  EXPECT_EQ(rt.graphics_cursor().x, 334.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 245.0F);
  // No first point: the line starts at the cursor.
  rt.draw_line(0, 0, 340, 245, 2, 0, kSolid, kColour);
  EXPECT_EQ(lit(), row(245, 330, 340));
  EXPECT_EQ(rt.graphics_cursor().x, 340.0F);
}

TEST_F(LineDrawing, PointsWithoutAPlaceMissTheScreenButMoveTheCursor) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  rt.draw_line(nan, 10, 100, 10, 0, 0, kSolid, kFirstPoint);
  EXPECT_EQ(rt.graphics_cursor().x, 100.0F);
  rt.draw_line(10, 10, 100, nan, 0, 0, kSolid, kFirstPoint);
  EXPECT_TRUE(std::isnan(rt.graphics_cursor().y));
  rt.draw_line(-inf, 5, 10, 5, 0, 0, kSolid, kFirstPoint);
  rt.draw_line(0, 0, inf, inf, 0, 0, kSolid, kFirstPoint);
  EXPECT_TRUE(lit().empty());
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

TEST_F(LineDrawing, PendingErrorDrawsNothingAndKeepsTheCursor) {
  rt.raise_error(screen::kSubscriptOutOfRange);
  rt.draw_line(0, 0, 100, 100, 15, 0, kSolid, kFirstPoint | kColour);
  EXPECT_TRUE(lit().empty());
  EXPECT_EQ(rt.graphics_cursor().x, 320.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 240.0F);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kSubscriptOutOfRange);
}

TEST(LineOnTextScreen, RaisesIllegalFunctionCallAndDrawsNothing) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  const std::vector<std::uint8_t> before = rt.image().pixels;
  rt.draw_line(0, 0, 100, 100, 15, 0, kSolid, kFirstPoint | kColour);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
  EXPECT_EQ(rt.image().pixels, before);
  EXPECT_EQ(rt.graphics_cursor().x, 320.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 200.0F);
}

}  // namespace
