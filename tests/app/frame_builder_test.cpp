#include "app/frame_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
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

// A hang guard for the handshakes below, never a timing check: a signal that has not arrived
// by then will not arrive, and the test fails saying which.
constexpr std::chrono::seconds kHangGuard{10};

bool arrives(std::future<void>& signal) { return signal.wait_for(kHangGuard) == std::future_status::ready; }

std::uint32_t pixel_of(const Frame& frame, std::int32_t x, std::int32_t y) {
  const std::size_t index =
      static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) + static_cast<std::size_t>(x);
  if (index >= frame.pixels.size()) {
    ADD_FAILURE() << "frame " << frame.serial << " has no pixel (" << x << ", " << y << ")";
    return 0;
  }
  return frame.pixels[index];
}

class FrameBuilderTest : public testing::Test, protected HeadlessRuntime {
 protected:
  // Paints the text cell (row, column) in the background colour.
  void paint_cell(std::int32_t row, std::int32_t column, std::int32_t colour) {
    runtime.set_color(15, colour, 0, screen::ColorGiven::foreground | screen::ColorGiven::background);
    runtime.locate_cursor(row, column, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    runtime.print_string(" ", 0);
  }

  // The newest frame, taken as the display takes it.
  const Frame& newest() {
    builder.take_newest(shown);
    return shown;
  }

  std::uint32_t pixel(std::int32_t x, std::int32_t y) { return pixel_of(newest(), x, y); }

  Size frame_size() {
    const Frame& frame = newest();
    return {frame.width, frame.height};
  }

  FrameBuilder builder{runtime};
  Frame shown;
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
  // The program thread says it is waiting from its first yield in the wait for the grant, or
  // says it never waited when the mode change returns without one.
  std::promise<void> told_promise;
  std::future<void> told = told_promise.get_future();
  std::atomic<bool> telling{false};
  bool changed_without_waiting = false;
  platform.on_sleep = [&](std::int32_t, screen::Wait why) {
    if (why == screen::Wait::display_lock && !telling.exchange(true)) told_promise.set_value();
    std::this_thread::yield();
  };
  std::future<void> program = std::async(std::launch::async, [&] {
    try {
      runtime.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
    } catch (const screen::ProgramStopped&) {
    }
    if (!telling.exchange(true)) {
      changed_without_waiting = true;
      told_promise.set_value();
    }
  });
  if (!arrives(told)) runtime.words.stop_flag.store(1);  // lets the program thread go
  ASSERT_EQ(told.wait_for(std::chrono::seconds(0)), std::future_status::ready) << "the program thread hung";
  ASSERT_FALSE(changed_without_waiting) << "the screen mode changed without the frame builder's grant";

  // The program thread waits for the grant: the request stands and the screen is the old one.
  EXPECT_EQ(runtime.words.lock_display.load(), 1);
  {
    std::lock_guard<std::mutex> lock(runtime.image_mutex());
    EXPECT_EQ(runtime.image().height, 400);
  }
  // The builder's pass grants the request (2, or 0 once released) and builds nothing.
  EXPECT_FALSE(builder.pass());
  const bool granted = runtime.words.lock_display.load() != 1;
  if (!granted) runtime.words.stop_flag.store(1);  // lets the program thread go
  ASSERT_TRUE(granted) << "the builder's pass did not grant the request";
  // The builder keeps passing, as the main-loop thread would; every frame it builds is of the
  // new screen, never of a half-changed one.
  const auto give_up = std::chrono::steady_clock::now() + kHangGuard;
  while (program.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
    if (std::chrono::steady_clock::now() > give_up) {
      ADD_FAILURE() << "the screen mode change did not end after the grant";
      runtime.words.stop_flag.store(1);
      break;
    }
    if (builder.pass()) {
      EXPECT_EQ(frame_size(), (Size{640, 480}));
    }
    std::this_thread::yield();
  }
  program.get();
  EXPECT_EQ(runtime.words.lock_display.load(), 0);
  builder.pass();
  EXPECT_EQ(frame_size(), (Size{640, 480}));
}

TEST_F(FrameBuilderTest, EachTakeHandsOverANewerFrameOnly) {
  EXPECT_FALSE(builder.take_newest(shown)) << "nothing is published yet";
  ASSERT_TRUE(builder.pass());
  ASSERT_TRUE(builder.take_newest(shown));
  EXPECT_EQ(shown.serial, 1U);
  for (const std::uint32_t colour : {4U, 2U, 9U}) {
    const std::uint64_t previous = shown.serial;
    EXPECT_FALSE(builder.take_newest(shown)) << "nothing newer than serial " << previous;
    paint_cell(1, 1, static_cast<std::int32_t>(colour));
    ASSERT_TRUE(builder.pass());
    ASSERT_TRUE(builder.take_newest(shown)) << "a newer frame was published after serial " << previous;
    EXPECT_EQ(shown.serial, previous + 1);
    EXPECT_EQ(pixel_of(shown, 0, 0), 0xFF000000U | screen::kPalette[colour]);
  }
}

TEST_F(FrameBuilderTest, TheBuilderPublishesWhileTheDisplayHoldsItsFrame) {
  ASSERT_TRUE(builder.pass());
  paint_cell(1, 1, 9);
  Frame held;  // the display's own frame
  std::promise<void> holding_promise;
  std::future<void> holding = holding_promise.get_future();
  std::promise<void> published_promise;
  std::future<void> published = published_promise.get_future();
  bool published_while_held = false;
  std::thread display([&] {
    builder.take_newest(held);
    holding_promise.set_value();
    // The display keeps its frame (as during an upload) until the builder has published.
    published_while_held = arrives(published);
  });
  EXPECT_TRUE(arrives(holding)) << "the display never took its frame";
  EXPECT_TRUE(builder.pass());
  published_promise.set_value();
  display.join();

  EXPECT_TRUE(published_while_held) << "the builder could not publish while the display held its frame";
  EXPECT_EQ(held.serial, 1U);
  EXPECT_EQ(pixel_of(held, 0, 0), 0xFF000000U);  // publishing left the held frame alone
  EXPECT_EQ(builder.serial(), 2U);
  ASSERT_TRUE(builder.take_newest(held));
  EXPECT_EQ(held.serial, 2U);
  EXPECT_EQ(pixel_of(held, 0, 0), 0xFF5555FFU);
}

}  // namespace
}  // namespace app
