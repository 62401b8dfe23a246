#include <algorithm>
#include <string>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "screen/headless_platform.h"
#include "screen/runtime.h"
#include "tests/screen/text_screen.h"

namespace {

using screen_test::TextScreen;

using screen::ScreenModeGiven;
constexpr screen::FlagSet<ScreenModeGiven> kGivenMode = ScreenModeGiven::mode;

void set_mode_12(screen::ScreenRuntime& rt) { rt.set_screen_mode(12, 0, 0, 0, 0, kGivenMode); }

bool all_pixels_zero(const screen::ScreenImage& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint8_t p) { return p == 0; });
}

TEST(ScreenMode, StartsOnThe80By25TextScreen) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_EQ(rt.image().width, 640);
  EXPECT_EQ(rt.image().height, 400);
  EXPECT_EQ(rt.text_state().rows, 25);
  EXPECT_EQ(rt.text_state().columns, 80);
}

using Mode12 = TextScreen;

TEST_F(Mode12, GivesTheFreshGraphicsScreen) {
  // Leave traces of every kind, then set the mode again.
  colour(14);
  locate(30, 80);
  rt.print_string("X", 0);
  rt.draw_line(0.0F, 0.0F, 639.0F, 479.0F, 4, 0, 0xFFFF, screen::LineGiven::colour);
  ASSERT_FALSE(all_pixels_zero(rt.image()));
  const std::uint64_t version = rt.image_version();

  set_mode_12(rt);

  EXPECT_EQ(rt.screen_mode(), 12);
  EXPECT_EQ(rt.image().width, 640);
  EXPECT_EQ(rt.image().height, 480);
  EXPECT_EQ(rt.image().pixels.size(), 640U * 480U);
  EXPECT_TRUE(all_pixels_zero(rt.image()));
  EXPECT_GT(rt.image_version(), version);
  EXPECT_EQ(rt.text_state().foreground, 15);
  EXPECT_EQ(rt.text_state().background, 0);
  EXPECT_EQ(rt.text_state().rows, 30);
  EXPECT_EQ(rt.text_state().columns, 80);
  expect_cursor(1, 1);
  EXPECT_FALSE(rt.text_state().newline_pending);
  EXPECT_EQ(rt.graphics_cursor().x, 320.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 240.0F);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
  EXPECT_EQ(rt.words.lock_display.load(), 0);
}

TEST_F(Mode12, FirstPrintLandsInTheTopLeftCellInWhite) {
  rt.print_string("W", 0);
  EXPECT_TRUE(cell_shows(1, 1, 'W', 15, 0));
}

TEST_F(Mode12, OtherModesAndPagesRaiseError5) {
  struct ModeCall {
    std::int32_t mode;
    std::int32_t active_page;
    std::int32_t visual_page;
    screen::FlagSet<ScreenModeGiven> given;
  };
  for (const ModeCall& call : {ModeCall{13, 0, 0, kGivenMode},
                               ModeCall{12, 1, 0, kGivenMode | ScreenModeGiven::active_page},
                               ModeCall{12, 0, 1, kGivenMode | ScreenModeGiven::visual_page},
                               ModeCall{-1, 0, 0, kGivenMode}}) {
    rt.words.pending_error.store(0);
    locate(4, 4);
    rt.set_screen_mode(call.mode, 0, call.active_page, call.visual_page, 0, call.given);
    EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
    EXPECT_EQ(rt.screen_mode(), 12);
    EXPECT_EQ(rt.text_state().row, 4);
  }
}

// --- The display lock ---

class DisplayLock : public ::testing::Test {
 protected:
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
  void SetUp() override {
    platform.on_sleep = [](std::int32_t, screen::Wait) { std::this_thread::yield(); };
  }
};

TEST_F(DisplayLock, ModeChangeWaitsForTheFrameBuilder) {
  rt.words.main_loop_started.store(true);
  std::atomic<bool> mode_set{false};
  std::atomic<bool> asked{false};
  std::atomic<bool> screen_old_when_asked{false};
  std::atomic<bool> released{false};
  std::atomic<bool> screen_new_when_released{false};
  std::atomic<bool> granted{false};

  // The frame builder: sees the request, grants it, waits for the release. Each of its waits
  // ends once the mode change is over, so the thread always ends.
  std::thread frame_builder([&] {
    while (rt.words.lock_display.load() != 1) {
      if (mode_set.load()) return;  // the mode changed without asking
      std::this_thread::yield();
    }
    asked.store(true);
    {
      std::lock_guard<std::mutex> lock(rt.image_mutex());
      screen_old_when_asked.store(rt.image().height == 400);
    }
    granted.store(true);
    int expected = 1;
    rt.words.lock_display.compare_exchange_strong(expected, 2);
    while (rt.words.lock_display.load() != 0) {
      if (mode_set.load() && rt.words.lock_display.load() != 0) return;  // the change ended without a release
      std::this_thread::yield();
    }
    released.store(true);
    std::lock_guard<std::mutex> lock(rt.image_mutex());
    screen_new_when_released.store(rt.image().height == 480);
  });
  // The mode change waits for the grant at most this long.
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  platform.on_sleep = [&](std::int32_t, screen::Wait) {
    if (std::chrono::steady_clock::now() > give_up) throw std::runtime_error("no grant came in 3 s");
    std::this_thread::yield();
  };
  bool returned_after_grant = false;
  try {
    set_mode_12(rt);
    returned_after_grant = granted.load();
  } catch (const std::runtime_error& error) {
    ADD_FAILURE() << error.what();
  }
  mode_set.store(true);
  frame_builder.join();

  EXPECT_TRUE(asked.load()) << "the mode changed without asking for the display lock";
  EXPECT_TRUE(returned_after_grant) << "the mode change did not wait for the grant";
  EXPECT_TRUE(screen_old_when_asked.load());
  EXPECT_TRUE(released.load()) << "the mode change did not release the display lock";
  EXPECT_TRUE(screen_new_when_released.load());
  EXPECT_EQ(rt.words.lock_display.load(), 0);
  EXPECT_EQ(rt.image().height, 480);
}

struct NoWaitCase {
  bool main_loop_started;
  bool automatic_display;
};

class DisplayLockSkipped : public DisplayLock, public ::testing::WithParamInterface<NoWaitCase> {};

TEST_P(DisplayLockSkipped, ModeChangesAtOnce) {
  rt.words.main_loop_started.store(GetParam().main_loop_started);
  rt.words.automatic_display.store(GetParam().automatic_display);
  bool asked = false;
  // Nobody answers here: a request would wait, so end it through a stop instead of hanging.
  platform.on_sleep = [&](std::int32_t, screen::Wait) {
    if (rt.words.lock_display.load() == 1) {
      asked = true;
      rt.words.stop_flag.store(1);
    }
  };
  EXPECT_NO_THROW(set_mode_12(rt));
  EXPECT_FALSE(asked);
  EXPECT_EQ(rt.words.lock_display.load(), 0);
  EXPECT_EQ(rt.image().height, 480);
}

INSTANTIATE_TEST_SUITE_P(Words, DisplayLockSkipped,
                         ::testing::Values(NoWaitCase{false, true}, NoWaitCase{true, false}, NoWaitCase{false, false}),
                         [](const ::testing::TestParamInfo<NoWaitCase>& info) {
                           return std::string(info.param.main_loop_started ? "loop_started" : "loop_not_started") +
                                  (info.param.automatic_display ? "_automatic" : "_manual");
                         });

TEST_F(DisplayLock, StopWhileWaitingEndsTheWaitAndReleasesTheLock) {
  rt.words.main_loop_started.store(true);
  int yields_while_asking = 0;
  platform.on_sleep = [&](std::int32_t, screen::Wait) {
    if (rt.words.lock_display.load() != 1) return;
    if (++yields_while_asking == 3) rt.words.stop_flag.store(1);
    if (yields_while_asking > 1000) throw std::runtime_error("still waiting after the stop");
  };
  EXPECT_THROW(set_mode_12(rt), screen::ProgramStopped);
  EXPECT_EQ(yields_while_asking, 3);
  EXPECT_EQ(rt.words.lock_display.load(), 0);
  EXPECT_NE(rt.words.exit_ok.load() & screen::kExitOkProgramThread, 0U);
  EXPECT_EQ(rt.image().height, 400);  // the screen was not changed
}

// --- Resize mode and window title ---

TEST_F(Mode12, ResizeModeActsEvenWhileAnErrorIsPending) {
  rt.raise_error(5);
  rt.set_resize_mode(0, 2);
  EXPECT_EQ(rt.resize_mode(), 2);
  EXPECT_FALSE(rt.snap_back());
  rt.set_resize_mode(2, 1);
  EXPECT_EQ(rt.resize_mode(), 1);
  EXPECT_TRUE(rt.snap_back());
  rt.set_resize_mode(7, 1);
  EXPECT_TRUE(rt.snap_back());
  rt.set_resize_mode(1, 0);
  EXPECT_EQ(rt.resize_mode(), 0);
  EXPECT_FALSE(rt.snap_back());
  EXPECT_EQ(rt.words.pending_error.load(), 5);
}

TEST_F(Mode12, WindowTitleIsKeptAndPassedOn) {
  rt.set_window_title("SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING");
  EXPECT_EQ(rt.window_title(), "SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING");
  EXPECT_EQ(platform.window_title, "SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING");
  rt.set_window_title("second");
  EXPECT_EQ(rt.window_title(), "second");
}

TEST_F(Mode12, WindowTitleStaysWhileAnErrorIsPending) {
  rt.set_window_title("first");
  rt.raise_error(9);
  rt.set_window_title("second");
  EXPECT_EQ(rt.window_title(), "first");
  EXPECT_EQ(platform.window_title, "first");
}

}  // namespace
