#include "app/main_loop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "app/key_router.h"
#include "app/program_thread.h"
#include "runtime_fixture.h"
#include "tests/support/bounded_thread.h"

namespace app {
namespace {

struct Parked {};

class MainLoopTest : public testing::Test, protected HeadlessRuntime {
 protected:
  // Runs the program thread's body on this thread; its parking ends in Parked.
  void run_program(const Routine& routine) {
    platform.on_sleep = [this](std::int32_t, screen::Wait) {
      if ((runtime.words.exit_ok.load() & screen::kExitOkProgramThread) != 0) throw Parked{};
    };
    EXPECT_THROW(run_program_thread(runtime, routine), Parked);
    platform.on_sleep = nullptr;
  }

  // The timer-trap loop, once told to stop.
  void run_timer_trap() {
    ASSERT_TRUE(requests.timer_stop_requested());
    run_timer_trap_thread(runtime, requests);
  }

  RunRequests requests;
  FrameBuilder builder{runtime};
  MainLoop loop{runtime, builder, requests};
};

TEST_F(MainLoopTest, TheFrameBuilderRunsOnEverySecondPass) {
  EXPECT_EQ(loop.pass(), std::nullopt);
  EXPECT_EQ(builder.frames_built(), 0U);
  EXPECT_EQ(loop.pass(), std::nullopt);
  EXPECT_EQ(builder.frames_built(), 1U);
  runtime.print_string("x", 0);
  loop.pass();
  EXPECT_EQ(builder.frames_built(), 1U);
  loop.pass();
  EXPECT_EQ(builder.frames_built(), 2U);
  loop.pass();
  loop.pass();
  EXPECT_EQ(builder.frames_built(), 2U);  // nothing changed
}

TEST_F(MainLoopTest, WithoutAnEndNothingStops) {
  for (int i = 0; i < 10; ++i) EXPECT_EQ(loop.pass(), std::nullopt);
  EXPECT_EQ(runtime.words.stop_flag.load(), 0);
  EXPECT_FALSE(requests.timer_stop_requested());
}

TEST_F(MainLoopTest, BothThreadsStoppedWithoutAStopRequestDoNotEndTheProcess) {
  runtime.words.exit_ok.store(screen::kExitOkProgramThread | screen::kExitOkTimerThread);
  EXPECT_EQ(loop.pass(), std::nullopt);
}

TEST_F(MainLoopTest, TheCloseButtonEndsTheProcessWithZeroOnceBothThreadsStopped) {
  requests.end_run.store(true);  // the window's close button
  EXPECT_EQ(loop.pass(), std::nullopt);
  EXPECT_EQ(runtime.words.stop_flag.load(), 1);
  EXPECT_EQ(runtime.words.event_flag.load(), 1);

  // The program meets its next statement check and stops; the process waits for the timer.
  run_program([](screen::ScreenRuntime& rt) { rt.statement_check(42); });
  EXPECT_EQ(loop.pass(), std::nullopt);
  run_timer_trap();
  EXPECT_EQ(loop.pass(), 0);
}

TEST_F(MainLoopTest, CtrlBreakEndsTheRunLikeTheCloseButton) {
  KeyRouter router(runtime, requests);
  router.handle(map_system_key(SystemKey::pause, true));
  loop.pass();
  run_program([](screen::ScreenRuntime& rt) { rt.delay_seconds(5.0); });
  run_timer_trap();
  EXPECT_EQ(loop.pass(), 0);
  EXPECT_LT(platform.now_ms, 100);  // the delay stopped at its first slice
}

TEST_F(MainLoopTest, NoInAnErrorBoxEndsTheProcessWithZero) {
  platform.on_error_box = [](const std::string&, const std::string&) { return screen::BoxAnswer::no; };
  run_program([](screen::ScreenRuntime& rt) {
    rt.set_color(99, 0, 0, screen::ColorGiven::foreground);
    rt.statement_check(7);
  });
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].caption, "Unhandled Error #5");
  EXPECT_EQ(runtime.words.program_ended_flag.load(), 1);
  EXPECT_EQ(loop.pass(), std::nullopt);  // asks the timer to stop
  run_timer_trap();
  EXPECT_EQ(loop.pass(), 0);
}

TEST_F(MainLoopTest, TheEndOfRunPromptAndItsKeyEndTheProcessWithZero) {
  runtime.keys.push({'a', 0});  // waiting before the prompt: discarded
  platform.on_sleep = [this](std::int32_t, screen::Wait why) {
    if (why == screen::Wait::last_key && runtime.keys.empty() && runtime.waiting_for_last_key()) runtime.keys.push({' ', 0});
    if ((runtime.words.exit_ok.load() & screen::kExitOkProgramThread) != 0) throw Parked{};
  };
  EXPECT_THROW(run_program_thread(runtime, [](screen::ScreenRuntime& rt) { rt.end_program(); }), Parked);
  EXPECT_EQ(runtime.words.program_ended_flag.load(), 1);
  EXPECT_EQ(loop.pass(), std::nullopt);
  run_timer_trap();
  EXPECT_EQ(loop.pass(), 0);
}

TEST_F(MainLoopTest, RunningOutOfMemoryIsACriticalErrorEndingWithZero) {
  try {
    run_program_thread(runtime, [](screen::ScreenRuntime&) { throw std::bad_alloc(); });
    FAIL() << "the program thread returned";
  } catch (const screen::ProcessExit& exit) {
    EXPECT_EQ(exit.exit_code, 0);
  }
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].kind, "critical");
  EXPECT_EQ(platform.boxes[0].caption, "Critical Error #4");
  EXPECT_EQ(platform.boxes[0].text, "Out of memory");
}

TEST_F(MainLoopTest, ARoutineThatReturnsStillParksItsThread) {
  run_program([](screen::ScreenRuntime&) {});
  EXPECT_EQ(runtime.words.exit_ok.load() & screen::kExitOkProgramThread, screen::kExitOkProgramThread);
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// The thread blocks until the end of the run (it never sleeps through the platform, so it
// never polls) and reports itself stopped once the main loop ends the run.
TEST(TimerTrapThread, SleepsUntilTheRunEndsThenReportsItselfStopped) {
  struct World : HeadlessRuntime {
    RunRequests requests;
    FrameBuilder builder{runtime};
    MainLoop loop{runtime, builder, requests};
    test_support::Signal started;
  };
  auto world = std::make_shared<World>();
  const test_support::BoundedThread timer([world] {
    world->started.raise();
    run_timer_trap_thread(world->runtime, world->requests);
  });
  ASSERT_TRUE(world->started.arrives_within()) << "the timer-trap thread did not start";
  // Time for the thread to end early or to poll, were it to do either.
  EXPECT_FALSE(timer.ends_within(std::chrono::milliseconds(50))) << "the thread ended before the run did";
  EXPECT_EQ(world->runtime.words.exit_ok.load() & screen::kExitOkTimerThread, 0U);
  world->requests.end_run.store(true);  // the close button
  world->loop.pass();
  ASSERT_TRUE(timer.ends_within()) << "the timer-trap thread did not end when the run ended";
  EXPECT_EQ(world->runtime.words.exit_ok.load() & screen::kExitOkTimerThread, screen::kExitOkTimerThread);
  EXPECT_EQ(world->platform.sleep_calls, 0);
}

}  // namespace
}  // namespace app
