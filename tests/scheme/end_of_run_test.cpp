// Lines 516 to 527: the speed hint erased, the final wait for one key and the end-of-run
// prompt.
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;
using scheme_test::read_cell;
using scheme_test::read_text;

TEST(EndOfRun, HintErasedAndPromptInLightCyanOnRow30) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  recorder.capture_first(516);
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  const auto screen = scheme_test::copy_screen(run->runtime);
  EXPECT_EQ(read_text(screen, 30, 1, 26), "Press any key to continue ");
  EXPECT_EQ(read_cell(screen, 30, 1).foreground, 11);
  EXPECT_EQ(read_cell(screen, 30, 25).foreground, 11);
  // Row 2 from column 8 to 73 is blank again; the credits line and the inputs stay.
  ASSERT_TRUE(recorder.has(516));
  EXPECT_FALSE(scheme_test::cells_blank(recorder.at(516).screen, 2, 8, 66));
  EXPECT_TRUE(scheme_test::cells_blank(screen, 2, 8, 66));
  // (With Z = 0 the leads run along pixel row 0 up to x = 260, so a later cell is checked.)
  EXPECT_EQ(read_cell(screen, 1, 40).foreground, 3);
  EXPECT_EQ(read_text(screen, 3, 7, 5), " Z=0 ");
  EXPECT_EQ(recorder.count(526), 1);
}

TEST(EndOfRun, WaitsAtLine526UntilAKeyArrives) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  run->give_final_key = false;
  int waits = 0;
  recorder.also = [&](int line) {
    if (line == 526 && ++waits == 40) run->press('x');
  };
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  EXPECT_EQ(recorder.count(526), 40);
  EXPECT_EQ(recorder.lines().back(), 526);
}

// No key for ten seconds: every pass that finds none sleeps in a blocked wait of 10 ms, so the
// wait costs about a thousand passes instead of a spinning core, and a key is seen at the next
// pass.
TEST(EndOfRun, APassWithoutAKeySleepsUntilTheNextOne) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  run->give_final_key = false;
  std::vector<std::int32_t> blocked_waits_ms;
  const auto answer = run->platform.on_sleep;
  run->platform.on_sleep = [&](std::int32_t duration_ms, screen::Wait why) {
    answer(duration_ms, why);
    if (why == screen::Wait::key_wait) blocked_waits_ms.push_back(duration_ms);
  };
  std::int64_t started_ms = -1;
  int passes = 0;
  recorder.also = [&](int line) {
    if (line != 526) return;
    if (started_ms < 0) started_ms = run->platform.now_ms;
    // A wait that spins never moves the virtual clock: the pass count ends it too.
    if (run->platform.now_ms - started_ms >= 10'000 || ++passes == 20'000) run->press('x');
  };
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  EXPECT_EQ(recorder.count(526), 1001);
  ASSERT_EQ(blocked_waits_ms.size(), 1000U);
  for (const std::int32_t wait_ms : blocked_waits_ms) ASSERT_EQ(wait_ms, 10);
}

// The close button or Ctrl+Break during the wait: the pass after the blocked wait stops the run.
TEST(EndOfRun, AStopDuringTheBlockedWaitEndsTheRunAtTheNextPass) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  run->give_final_key = false;
  run->max_statements = 5000;  // a wait that never blocks ends here
  const auto answer = run->platform.on_sleep;
  int blocked_waits = 0;
  run->platform.on_sleep = [&](std::int32_t duration_ms, screen::Wait why) {
    answer(duration_ms, why);
    if (why == screen::Wait::key_wait && ++blocked_waits == 3) run->runtime.request_stop();
  };
  EXPECT_EQ(run->run(), scheme::RunEnding::no);
  EXPECT_EQ(recorder.count(526), 4);
  EXPECT_EQ(blocked_waits, 3);
  EXPECT_FALSE(run->runtime.waiting_for_last_key());
}

TEST(EndOfRun, KeyLeftFromTheAnimationEndsTheWaitAtOnce) {
  // A key pressed during the last animation step, after its key read, is still waiting
  // when line 526 is reached.
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  run->give_final_key = false;
  int marker_steps = 0;
  recorder.also = [&](int line) {
    if (line == 195 && ++marker_steps == 9) run->press('q');
  };
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  EXPECT_EQ(recorder.count(526), 1);
}

TEST(EndOfRun, WithoutAKeyTheWaitLastsUntilTheBound) {
  auto run = scheme_test::make_run("0", "2", "5");
  FrameRecorder recorder(*run);
  run->give_final_key = false;
  run->max_statements = 1000;
  EXPECT_EQ(run->run(), scheme::RunEnding::bound);
  EXPECT_EQ(run->statements, 1000);
  EXPECT_EQ(recorder.lines().back(), 526);
  EXPECT_TRUE(scheme_test::cells_blank(scheme_test::copy_screen(run->runtime), 30, 1, 80));
}

}  // namespace
