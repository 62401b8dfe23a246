// The delay on the virtual clock: 9 ms slices while at least 10 ms remain, each followed by the
// statement check with line 0, then the remainder (at least 1 ms) in one sleep.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

std::vector<std::int32_t> slices_then(int slices, std::int32_t last_ms) {
  std::vector<std::int32_t> sleeps(static_cast<std::size_t>(slices), 9);
  sleeps.push_back(last_ms);
  return sleeps;
}

class DelayTest : public testing::Test {
 protected:
  DelayTest() {
    platform.on_sleep = [this](std::int32_t duration_ms, screen::Wait) {
      sleeps.push_back(duration_ms);
      if (during_sleep) during_sleep(sleeps.size());
    };
  }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
  std::vector<std::int32_t> sleeps;
  std::function<void(std::size_t sleep_number)> during_sleep;
};

struct DelayCase {
  double seconds;
  std::vector<std::int32_t> sleeps_ms;
};

std::ostream& operator<<(std::ostream& out, const DelayCase& c) { return out << c.seconds << " s"; }

class DelaySlices : public DelayTest, public testing::WithParamInterface<DelayCase> {};

TEST_P(DelaySlices, SleepsInNineMillisecondSlicesThenTheRemainder) {
  rt.delay_seconds(GetParam().seconds);
  EXPECT_EQ(sleeps, GetParam().sleeps_ms);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

// Worked by hand: 1 s is 1000 ms; after k slices 1000 - 9k ms remain, which is at least 10 for
// k = 0 to 110, so 111 slices (999 ms) and then 1 ms.
INSTANTIATE_TEST_SUITE_P(
    Delays, DelaySlices,
    testing::Values(DelayCase{0.0, {}}, DelayCase{0.0005, {1}}, DelayCase{0.001, {1}}, DelayCase{0.0099, {9}},
                    DelayCase{0.01, {9, 1}}, DelayCase{0.015, {9, 6}}, DelayCase{0.0195, {9, 9, 1}},
                    DelayCase{0.5, slices_then(55, 5)}, DelayCase{1.0, slices_then(111, 1)},
                    DelayCase{2.0, slices_then(222, 2)}));

class BadDelay : public DelayTest, public testing::WithParamInterface<double> {};

TEST_P(BadDelay, RaisesError5WithoutWaiting) {
  rt.delay_seconds(GetParam());
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
  EXPECT_TRUE(sleeps.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, BadDelay,
                         testing::Values(-0.001, -1.0, -std::numeric_limits<double>::denorm_min(), 2147483.648,
                                         1E300, std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity()));

// The longest delay is accepted: it starts slicing (a stop ends it after the first slice).
TEST_F(DelayTest, LongestDelayIsAccepted) {
  during_sleep = [this](std::size_t) { rt.words.stop_flag.store(1); };
  EXPECT_THROW(rt.delay_seconds(2147483.647), screen::ProgramStopped);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
  EXPECT_EQ(sleeps, std::vector<std::int32_t>{9});
}

TEST_F(DelayTest, ReturnsAtOnceWhileAnErrorIsPending) {
  rt.raise_error(screen::kSubscriptOutOfRange);
  rt.delay_seconds(1.0);
  EXPECT_TRUE(sleeps.empty());
  EXPECT_EQ(rt.words.pending_error.load(), screen::kSubscriptOutOfRange);
  EXPECT_TRUE(platform.boxes.empty());
}

// The clock jumps 500 ms back during the third slice. The 18 ms read before that slice still
// count (the slice itself is lost with the jump): 982 ms remain, which take 109 more slices and
// 1 ms, so 112 slices in all instead of 111.
TEST_F(DelayTest, ClockGoingBackwardsKeepsWhatWasMeasured) {
  during_sleep = [this](std::size_t sleep_number) {
    if (sleep_number == 3) platform.now_ms -= 500;
  };
  rt.delay_seconds(1.0);
  EXPECT_EQ(sleeps, slices_then(112, 1));
}

TEST_F(DelayTest, StopRequestEndsTheDelayAfterTheCurrentSlice) {
  during_sleep = [this](std::size_t sleep_number) {
    if (sleep_number == 5) {
      rt.words.stop_flag.store(1);
      rt.words.event_flag.store(1);
    }
  };
  EXPECT_THROW(rt.delay_seconds(1.0), screen::ProgramStopped);
  EXPECT_EQ(sleeps.size(), 5U);
  EXPECT_EQ(rt.words.exit_ok.load() & screen::kExitOkProgramThread, screen::kExitOkProgramThread);
}

// A pause requested during the second slice holds the delay in 10 ms slices; the time it
// holds counts towards the delay: 50 ms are 9 + 9 + 3 x 10 + 2.
TEST_F(DelayTest, PauseDuringADelayIsServedAfterTheSlice) {
  during_sleep = [this](std::size_t sleep_number) {
    if (sleep_number == 2) rt.words.suspend_flag.store(1);
    if (sleep_number == 5) rt.words.suspend_flag.store(0);
  };
  rt.delay_seconds(0.05);
  EXPECT_EQ(sleeps, (std::vector<std::int32_t>{9, 9, 10, 10, 10, 2}));
}

// An error met during a slice is reported by the check after it, with line 0.
TEST_F(DelayTest, CheckAfterASliceRunsWithLineZero) {
  during_sleep = [this](std::size_t sleep_number) {
    if (sleep_number == 1) rt.raise_error(screen::kOverflow);
  };
  rt.delay_seconds(0.02);
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].caption, "Unhandled Error #6");
  EXPECT_EQ(platform.boxes[0].text, "Line: 0\nOverflow\nContinue?");
  EXPECT_EQ(rt.words.pending_error.load(), 0);
  EXPECT_EQ(sleeps, (std::vector<std::int32_t>{9, 9, 2}));
}

}  // namespace
