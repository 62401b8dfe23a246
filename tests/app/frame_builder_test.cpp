#include "app/frame_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "allocation_count.h"
#include "app/picture_placement.h"
#include "runtime_fixture.h"
#include "tests/support/bounded_thread.h"

namespace app {
namespace {

using test_support::BoundedThread;
using test_support::Signal;

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

std::uint32_t pixel_of(const Frame& frame, std::int32_t x, std::int32_t y) {
  const std::size_t index =
      static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) + static_cast<std::size_t>(x);
  if (index >= frame.pixels.size()) {
    ADD_FAILURE() << "frame " << frame.serial << " has no pixel (" << x << ", " << y << ")";
    return 0;
  }
  return frame.pixels[index];
}

// What a thread of the test shares with it: a thread that stays blocked keeps it alive.
struct BuilderWorld : HeadlessRuntime {
  FrameBuilder builder{runtime};
  Frame shown;  // the display's frame
};

class FrameBuilderTest : public testing::Test {
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

  std::shared_ptr<BuilderWorld> world = std::make_shared<BuilderWorld>();
  screen::HeadlessPlatform& platform = world->platform;
  screen::ScreenRuntime& runtime = world->runtime;
  FrameBuilder& builder = world->builder;
  Frame& shown = world->shown;
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

// Frees a program thread that waits for the display lock when the test ends, passed or not.
struct StopAtEnd {
  screen::SharedWords& words;
  ~StopAtEnd() { words.stop_flag.store(1); }
};

TEST_F(FrameBuilderTest, TheScreenModeChangeWaitsForTheGrantAndTheFrameFollowsTheNewSize) {
  ASSERT_TRUE(builder.pass());
  runtime.words.main_loop_started.store(true);
  // The program thread tells the test when it first yields in the wait for the grant, or when
  // the mode change returned without one.
  struct Handshake {
    Signal waiting_or_done;
    std::atomic<bool> waited{false};
  };
  auto handshake = std::make_shared<Handshake>();
  platform.on_sleep = [handshake](std::int32_t, screen::Wait why) {
    if (why == screen::Wait::display_lock) {
      handshake->waited.store(true);
      handshake->waiting_or_done.raise();
    }
    std::this_thread::yield();
  };
  const StopAtEnd stop_at_end{runtime.words};
  const BoundedThread program([world = world, handshake] {
    try {
      world->runtime.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
    } catch (const screen::ProgramStopped&) {
    }
    handshake->waiting_or_done.raise();
  });
  ASSERT_TRUE(handshake->waiting_or_done.arrives_within()) << "the program thread hung before the display lock";
  ASSERT_TRUE(handshake->waited.load()) << "the screen mode changed without the frame builder's grant";

  // The program thread waits for the grant: the request stands and the screen is the old one.
  EXPECT_EQ(runtime.words.lock_display.load(), 1);
  {
    std::lock_guard<std::mutex> lock(runtime.image_mutex());
    EXPECT_EQ(runtime.image().height, 400);
  }
  // The builder's pass grants the request (2, or 0 once released) and builds nothing.
  EXPECT_FALSE(builder.pass());
  ASSERT_NE(runtime.words.lock_display.load(), 1) << "the builder's pass did not grant the request";
  // The builder keeps passing, as the main-loop thread would; every frame it builds is of the
  // new screen, never of a half-changed one.
  const auto give_up = std::chrono::steady_clock::now() + test_support::kThreadBound;
  while (!program.ends_within(std::chrono::milliseconds(0))) {
    ASSERT_LT(std::chrono::steady_clock::now(), give_up) << "the screen mode change did not end after the grant";
    if (builder.pass()) {
      EXPECT_EQ(frame_size(), (Size{640, 480}));
    }
    std::this_thread::yield();
  }
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
  struct Handshake {
    Frame held;  // the display's own frame
    Signal holding;
    Signal published;
    bool published_while_held = false;
  };
  auto handshake = std::make_shared<Handshake>();
  const BoundedThread display([world = world, handshake] {
    world->builder.take_newest(handshake->held);
    handshake->holding.raise();
    // The display keeps its frame (as during an upload) until the builder has published.
    handshake->published_while_held = handshake->published.arrives_within();
  });
  ASSERT_TRUE(handshake->holding.arrives_within()) << "the display never took its frame";
  EXPECT_TRUE(builder.pass());
  handshake->published.raise();
  ASSERT_TRUE(display.ends_within()) << "the display thread did not end";

  Frame& held = handshake->held;
  EXPECT_TRUE(handshake->published_while_held) << "the builder could not publish while the display held its frame";
  EXPECT_EQ(held.serial, 1U);
  EXPECT_EQ(pixel_of(held, 0, 0), 0xFF000000U);  // publishing left the held frame alone
  EXPECT_EQ(builder.serial(), 2U);
  ASSERT_TRUE(builder.take_newest(held));
  EXPECT_EQ(held.serial, 2U);
  EXPECT_EQ(pixel_of(held, 0, 0), 0xFF5555FFU);
}

// The three buffers circulate: each take hands the display the buffer the builder filled and
// takes back the display's previous one, and once all three have their size nothing allocates.
TEST_F(FrameBuilderTest, FramesAreHandedOverAndReusedNeverCopiedOrAllocated) {
  runtime.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
  std::set<const std::uint32_t*> buffers;
  const std::uint32_t* previous = nullptr;
  std::uint64_t allocations = 0;
  for (std::int32_t frame = 1; frame <= 12; ++frame) {
    paint_cell(1, 1, 1 + frame % 15);
    const std::uint64_t before = test_support::allocations_on_this_thread();
    ASSERT_TRUE(builder.pass());
    ASSERT_TRUE(builder.take_newest(shown));
    if (frame > 3) allocations += test_support::allocations_on_this_thread() - before;
    ASSERT_EQ(pixel_of(shown, 0, 0), 0xFF000000U | screen::kPalette[static_cast<std::size_t>(1 + frame % 15)]);
    ASSERT_NE(shown.pixels.data(), previous) << "take " << frame << " copied the frame into the display's buffer";
    previous = shown.pixels.data();
    buffers.insert(previous);
  }
  EXPECT_LE(buffers.size(), 3U) << "frames went through new buffers";
  EXPECT_EQ(allocations, 0U) << "builder passes and takes allocated once all buffers had their size";
}

// A display that takes frames while the builder publishes them gets each frame whole: its
// pixels are those of the screen at its serial. (A take outside the lock shows here as a
// data race in the ThreadSanitizer build.)
TEST_F(FrameBuilderTest, ADisplayTakingFramesWhileTheBuilderPublishesGetsEachWhole) {
  constexpr std::uint64_t kFrames = 60;
  const auto colour_of = [](std::uint64_t serial) { return static_cast<std::int32_t>(1 + serial % 15); };
  struct Seen {
    std::atomic<std::uint64_t> last_serial{0};
    std::atomic<std::uint64_t> torn{0};
    std::atomic<std::uint64_t> first_torn{0};
  };
  auto seen = std::make_shared<Seen>();
  const auto give_up = std::chrono::steady_clock::now() + test_support::kThreadBound;
  const BoundedThread display([world = world, seen, colour_of, give_up] {
    Frame frame;
    while (frame.serial < kFrames && std::chrono::steady_clock::now() < give_up) {
      if (!world->builder.take_newest(frame)) continue;
      const std::uint32_t expected = 0xFF000000U | screen::kPalette[static_cast<std::size_t>(colour_of(frame.serial))];
      const bool whole = frame.pixels.size() == 640U * 400U && frame.pixels[0] == expected &&
                         frame.pixels[15 * 640 + 7] == expected;
      if (!whole && seen->torn.fetch_add(1) == 0) seen->first_torn.store(frame.serial);
      seen->last_serial.store(frame.serial);
    }
  });
  for (std::uint64_t serial = 1; serial <= kFrames; ++serial) {
    paint_cell(1, 1, colour_of(serial));
    ASSERT_TRUE(builder.pass());
  }
  ASSERT_TRUE(display.ends_within()) << "the display thread did not end";
  EXPECT_EQ(seen->last_serial.load(), kFrames) << "the display never got the last frame";
  EXPECT_EQ(seen->torn.load(), 0U) << "frames taken not whole, the first with serial " << seen->first_torn.load();
}

}  // namespace
}  // namespace app
