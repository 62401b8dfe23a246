// The animation step: "-" doubles and "+" halves the seconds per step, read one key per step,
// and the wait measured on the virtual clock.
#include <gtest/gtest.h>

#include <cmath>

#include "run_support.h"

namespace {

using scheme_test::FrameRecorder;

// Milliseconds from each key read (line 116 or 144) to its delay's frame (120 or 148): the
// wait of that step.
struct StepWaits {
  std::vector<std::int64_t> waits_ms;
  std::int64_t started_ms = 0;
  void on_frame(int line, std::int64_t now_ms) {
    if (line == 116 || line == 144 || line == 195) started_ms = now_ms;
    if (line == 120 || line == 148 || line == 199) waits_ms.push_back(now_ms - started_ms);
  }
};

TEST(SpeedControl, UnpressedStepsWaitOneSecond) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  StepWaits steps;
  recorder.also = [&](int line) { steps.on_frame(line, run->platform.now_ms); };
  run->max_statements = 20000;
  run->run();
  ASSERT_EQ(steps.waits_ms.size(), 18U + 18U + 9U);
  for (std::int64_t wait : steps.waits_ms) EXPECT_EQ(wait, 1000);
}

TEST(SpeedControl, MinusDoublesTheWaitOfTheVeryStepThatReadsIt) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  StepWaits steps;
  int passes = 0;
  recorder.also = [&](int line) {
    // Before the key reads of steps 1 and 3.
    if (line == 115 && (++passes == 1 || passes == 3)) run->press('-');
    steps.on_frame(line, run->platform.now_ms);
  };
  recorder.capture_first(117);
  recorder.capture_first(227);
  run->max_statements = 20000;
  run->run();
  ASSERT_GE(steps.waits_ms.size(), 5U);
  EXPECT_EQ(steps.waits_ms[0], 2000);
  EXPECT_EQ(steps.waits_ms[1], 2000);
  EXPECT_EQ(steps.waits_ms[2], 4000);
  EXPECT_EQ(steps.waits_ms[3], 4000);
  EXPECT_EQ(recorder.count(117), 2 * 2);
  EXPECT_EQ(recorder.at(117).state.last_key, "-");
  // The markers keep the table speed; line 226 brings the tracing back to one second.
  EXPECT_EQ(steps.waits_ms.back(), 4000);
  EXPECT_EQ(recorder.at(227).state.step_delay, 1);
}

TEST(SpeedControl, QueuedPlusKeysActOnePerStep) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  StepWaits steps;
  bool pressed = false;
  recorder.also = [&](int line) {
    steps.on_frame(line, run->platform.now_ms);
    if (line == 116 && !pressed) {  // during the first step's wait
      pressed = true;
      for (int i = 0; i < 5; ++i) EXPECT_TRUE(run->press('+'));
    }
  };
  run->max_statements = 20000;
  run->run();
  ASSERT_GE(steps.waits_ms.size(), 8U);
  // 1 s, then 1/2 to 1/32 s: 9 ms slices while 10 ms or more remain, then the remainder cut
  // to whole milliseconds, so 62.5 ms sleeps 62 and 31.25 ms sleeps 31.
  const std::int64_t expected[8] = {1000, 500, 250, 125, 62, 31, 31, 31};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(steps.waits_ms[static_cast<std::size_t>(i)], expected[i]) << "step " << i + 1;
  EXPECT_EQ(recorder.count(118), 2 * 5);
}

TEST(SpeedControl, OtherKeysAreConsumedWithoutEffect) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  StepWaits steps;
  bool pressed = false;
  recorder.also = [&](int line) {
    steps.on_frame(line, run->platform.now_ms);
    if (line == 116 && !pressed) {
      pressed = true;
      run->press('x');
      run->press(0, 72);  // an extended key
      run->press(13);
      run->press('-');
    }
  };
  run->max_statements = 20000;
  run->run();
  ASSERT_GE(steps.waits_ms.size(), 6U);
  const std::int64_t expected[6] = {1000, 1000, 1000, 1000, 2000, 2000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(steps.waits_ms[static_cast<std::size_t>(i)], expected[i]) << "step " << i + 1;
  EXPECT_EQ(recorder.count(117), 2);
}

TEST(SpeedControl, TwentySecondDoublingOverflowsTheDelay) {
  auto run = scheme_test::make_run("24", "2", "5");
  FrameRecorder recorder(*run);
  // Long waits pass in one slice: every delay slice moves the virtual clock a long way.
  auto typing = run->platform.on_sleep;
  run->platform.on_sleep = [&](std::int32_t duration_ms, screen::Wait why) {
    typing(duration_ms, why);
    if (why == screen::Wait::delay && duration_ms == 9) run->platform.now_ms += 3'000'000'000LL;
  };
  int reads = 0;
  std::vector<float> delays;
  recorder.also = [&](int line) {
    if ((line == 115 || line == 143) && reads < 22) {
      ++reads;
      run->press('-');
    }
    if (line == 120 || line == 148 || line == 199) delays.push_back(run->module.state().step_delay);
  };
  run->max_statements = 20000;
  run->run();
  ASSERT_GE(delays.size(), 22U);
  EXPECT_EQ(delays[20], 2097152.0F);  // 2^21 s is still waited
  EXPECT_EQ(delays[21], 4194304.0F);
  // Step 22 is the even table's fourth; it and every later table and marker step fail.
  std::vector<scheme::ErrorBoxSeen> before_tracing;
  for (const auto& box : run->error_boxes) {
    if (box.line < 225) before_tracing.push_back(box);
  }
  ASSERT_EQ(before_tracing.size(), 15U + 9U);
  for (std::size_t i = 0; i < before_tracing.size(); ++i) {
    EXPECT_EQ(before_tracing[i].code, 5);
    EXPECT_EQ(before_tracing[i].line, i < 15 ? 148 : 199);
  }
}

}  // namespace
