// wait_for_key: a blocked wait that returns at once when there is something for the program
// thread, and the requests of other threads that end it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

struct KeyWaitCase {
  std::string name;
  std::function<void(screen::ScreenRuntime&)> before;
  std::vector<std::int32_t> sleeps_ms;  // the headless wait sleeps only when it blocks
};
void PrintTo(const KeyWaitCase& wait_case, std::ostream* out) { *out << wait_case.name; }

class KeyWait : public testing::TestWithParam<KeyWaitCase> {};

TEST_P(KeyWait, BlocksOnlyWhenNothingIsThere) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  std::vector<std::int32_t> sleeps_ms;
  std::vector<screen::Wait> reasons;
  platform.on_sleep = [&](std::int32_t duration_ms, screen::Wait why) {
    sleeps_ms.push_back(duration_ms);
    reasons.push_back(why);
  };
  GetParam().before(rt);
  rt.wait_for_key(10);
  EXPECT_EQ(sleeps_ms, GetParam().sleeps_ms);
  for (const screen::Wait why : reasons) EXPECT_EQ(why, screen::Wait::key_wait);
}

INSTANTIATE_TEST_SUITE_P(
    States, KeyWait,
    testing::Values(KeyWaitCase{"nothing", [](screen::ScreenRuntime&) {}, {10}},
                    KeyWaitCase{"key_waiting", [](screen::ScreenRuntime& rt) { rt.keys.push({'k', 0}); }, {}},
                    KeyWaitCase{"error_pending", [](screen::ScreenRuntime& rt) { rt.raise_error(5); }, {}},
                    KeyWaitCase{"pause_asked", [](screen::ScreenRuntime& rt) { rt.request_pause(); }, {}},
                    KeyWaitCase{"stop_asked", [](screen::ScreenRuntime& rt) { rt.request_stop(); }, {}},
                    KeyWaitCase{"stop_flag_alone",
                                [](screen::ScreenRuntime& rt) { rt.words.stop_flag.store(1); }, {}},
                    KeyWaitCase{"key_taken_again",
                                [](screen::ScreenRuntime& rt) {
                                  rt.push_key({'k', 0});
                                  rt.keys.take();
                                },
                                {10}}),
    [](const testing::TestParamInfo<KeyWaitCase>& info) { return info.param.name; });

TEST(KeyWaitRequests, EachRequestSetsItsWords) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_TRUE(rt.push_key({'+', 0}));
  EXPECT_EQ(rt.read_key_string(), "+");
  EXPECT_EQ(rt.words.event_flag.load(), 0);

  rt.request_pause();
  EXPECT_EQ(rt.words.suspend_flag.load(), 1);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
  EXPECT_EQ(rt.words.stop_flag.load(), 0);

  rt.words.event_flag.store(0);
  rt.request_stop();
  EXPECT_EQ(rt.words.stop_flag.load(), 1);
  EXPECT_EQ(rt.words.event_flag.load(), 1);

  for (int i = 0; i < 15; ++i) EXPECT_TRUE(rt.push_key({'a', 0}));
  EXPECT_FALSE(rt.push_key({'b', 0}));  // the ring's own limit
}

}  // namespace
