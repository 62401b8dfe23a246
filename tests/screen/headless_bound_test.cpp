// The headless platform's bound: a run that waits for something that never comes fails with
// what it was waiting for, after a bounded number of sleeps, instead of hanging.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

struct StuckCase {
  std::string name;
  std::function<void(screen::ScreenRuntime&)> wait;
  std::string waiting_for;
};
void PrintTo(const StuckCase& stuck, std::ostream* out) { *out << stuck.name; }

class HeadlessBound : public testing::TestWithParam<StuckCase> {};

TEST_P(HeadlessBound, AWaitThatNeverEndsFailsSayingWhatItWaitedFor) {
  screen::HeadlessPlatform platform;
  platform.max_idle_sleeps = 1000;
  screen::ScreenRuntime rt(platform);
  rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
  try {
    GetParam().wait(rt);
    FAIL() << "the wait ended";
  } catch (const screen::HeadlessStuck& stuck) {
    EXPECT_NE(std::string(stuck.what()).find("waiting for " + GetParam().waiting_for), std::string::npos)
        << stuck.what();
  }
  EXPECT_EQ(platform.sleep_calls, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, HeadlessBound,
    testing::Values(StuckCase{"line_input_without_keys",
                              [](screen::ScreenRuntime& rt) {
                                float target = 0.0F;
                                rt.input_variable_pointers[1] = &target;
                                rt.input_variable_types[1] = screen::kSingleTypeCode;
                                rt.input_values(1, 1);
                              },
                              "a key for the line input"},
                    StuckCase{"pause_never_resumed",
                              [](screen::ScreenRuntime& rt) {
                                rt.request_pause();
                                rt.statement_check(1);
                              },
                              "the end of a pause or a stop"},
                    StuckCase{"no_last_key", [](screen::ScreenRuntime& rt) { rt.end_program(); },
                              "the last key at the end of the run"}),
    [](const testing::TestParamInfo<StuckCase>& info) { return info.param.name; });

TEST(HeadlessBoundProgress, ProgressStartsTheCountAgain) {
  screen::HeadlessPlatform platform;
  platform.max_idle_sleeps = 3;
  for (int i = 0; i < 10; ++i) {
    platform.sleep_ms(1, screen::Wait::delay);
    if (i % 3 == 2) platform.note_progress();
  }
  EXPECT_THROW(
      {
        for (int i = 0; i < 4; ++i) platform.sleep_ms(1, screen::Wait::delay);
      },
      screen::HeadlessStuck);
}

}  // namespace
