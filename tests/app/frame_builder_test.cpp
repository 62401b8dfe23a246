#include "app/frame_builder.h"

#include <gtest/gtest.h>

#include <thread>

#include "app/picture_placement.h"
#include "runtime_fixture.h"

namespace app {
namespace {

struct ConversionCase {
  std::uint8_t index;
  std::uint32_t pixel;
};

TEST(ConvertIndices, EachIndexBecomesItsOpaquePaletteColour) {
  // The 16-colour palette, worked out by hand: 0xFF alpha, then RR GG BB.
  const ConversionCase cases[] = {
      {0, 0xFF000000}, {1, 0xFF0000AA}, {2, 0xFF00AA00}, {4, 0xFFAA0000},  {6, 0xFFAA5500},
      {7, 0xFFAAAAAA}, {8, 0xFF555555}, {11, 0xFF55FFFF}, {14, 0xFFFFFF55}, {15, 0xFFFFFFFF},
      {0x1E, 0xFFFFFF55},  // only the low four bits count
      {0xF1, 0xFF0000AA},
  };
  for (const ConversionCase& c : cases) {
    std::uint32_t out = 0;
    convert_indices(&c.index, 1, screen::kPalette, &out);
    EXPECT_EQ(out, c.pixel) << "index " << int(c.index);
  }
}

class FrameBuilderTest : public testing::Test, protected HeadlessRuntime {
 protected:
  // Paints the text cell (row, column) in the background colour.
  void paint_cell(std::int32_t row, std::int32_t column, std::int32_t colour) {
    runtime.set_color(15, colour, 0, screen::ColorGiven::foreground | screen::ColorGiven::background);
    runtime.locate_cursor(row, column, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    runtime.print_string(" ", 0);
  }

  std::uint32_t pixel(std::int32_t x, std::int32_t y) {
    std::uint32_t value = 0;
    builder.read_newest([&](const Frame& frame) {
      value = frame.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) +
                           static_cast<std::size_t>(x)];
    });
    return value;
  }

  Size frame_size() {
    Size size;
    builder.read_newest([&](const Frame& frame) { size = {frame.width, frame.height}; });
    return size;
  }

  FrameBuilder builder{runtime};
};

TEST_F(FrameBuilderTest, TheFirstPassBuildsTheStartScreen) {
  EXPECT_EQ(builder.serial(), 0U);
  EXPECT_TRUE(builder.pass());
  EXPECT_EQ(builder.serial(), 1U);
  EXPECT_EQ(frame_size(), (Size{640, 400}));
  EXPECT_EQ(pixel(0, 0), 0xFF000000U);
}

TEST_F(FrameBuilderTest, BuildsOnlyWhenThePixelsChanged) {
  ASSERT_TRUE(builder.pass());
  EXPECT_FALSE(builder.pass());
  EXPECT_FALSE(builder.pass());
  EXPECT_EQ(builder.serial(), 1U);
  EXPECT_EQ(builder.frames_built(), 1U);

  paint_cell(2, 3, 4);  // pixels x 16..23, y 16..31
  EXPECT_TRUE(builder.pass());
  EXPECT_EQ(builder.serial(), 2U);
  EXPECT_EQ(pixel(16, 16), 0xFFAA0000U);
  EXPECT_EQ(pixel(23, 31), 0xFFAA0000U);
  EXPECT_EQ(pixel(24, 16), 0xFF000000U);
  EXPECT_EQ(pixel(15, 31), 0xFF000000U);
  EXPECT_FALSE(builder.pass());
}

TEST_F(FrameBuilderTest, ARequestedDisplayLockIsGrantedAndNothingBuiltUntilReleased) {
  ASSERT_TRUE(builder.pass());
  paint_cell(1, 1, 2);
  runtime.words.lock_display.store(1);
  EXPECT_FALSE(builder.pass());
  EXPECT_EQ(runtime.words.lock_display.load(), 2);
  EXPECT_FALSE(builder.pass());
  EXPECT_EQ(runtime.words.lock_display.load(), 2);
  EXPECT_EQ(builder.serial(), 1U);

  runtime.words.lock_display.store(0);
  EXPECT_TRUE(builder.pass());
  EXPECT_EQ(pixel(0, 0), 0xFF00AA00U);
}

TEST_F(FrameBuilderTest, TheScreenModeChangeWaitsForTheGrantAndTheFrameFollowsTheNewSize) {
  ASSERT_TRUE(builder.pass());
  runtime.words.main_loop_started.store(true);
  std::atomic<bool> changed{false};
  std::thread program([&] {
    try {
      runtime.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
      changed.store(true);
    } catch (const screen::ProgramStopped&) {
    }
  });
  // The builder keeps passing, as the main-loop thread would; every frame it builds is of
  // the new screen, never of a half-changed one.
  for (int i = 0; i < 2000 && !changed.load(); ++i) {
    if (builder.pass()) {
      EXPECT_EQ(frame_size(), (Size{640, 480}));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  if (!changed.load()) runtime.words.stop_flag.store(1);  // never granted: let the thread go
  program.join();
  ASSERT_TRUE(changed.load()) << "the display lock was never granted";
  EXPECT_EQ(runtime.words.lock_display.load(), 0);
  builder.pass();
  EXPECT_EQ(frame_size(), (Size{640, 480}));
}

TEST_F(FrameBuilderTest, AFramePublishedWhileTheReaderHoldsTheOldOneWaitsForIt) {
  ASSERT_TRUE(builder.pass());
  paint_cell(1, 1, 9);
  std::uint64_t serial_seen = 0;
  std::uint32_t pixel_seen = 0;
  std::thread other;
  builder.read_newest([&](const Frame& frame) {
    other = std::thread([&] { builder.pass(); });
    // Give the other thread time to try: it cannot publish while this reader holds the frame.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    serial_seen = frame.serial;
    pixel_seen = frame.pixels[0];
  });
  other.join();
  EXPECT_EQ(serial_seen, 1U);
  EXPECT_EQ(pixel_seen, 0xFF000000U);
  EXPECT_EQ(builder.serial(), 2U);
  EXPECT_EQ(pixel(0, 0), 0xFF5555FFU);
}

}  // namespace
}  // namespace app
