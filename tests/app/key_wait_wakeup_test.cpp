// The program thread blocked in wait_for_key on the windowed platform: each request of another
// thread (a key, a pause, a stop) wakes it at once, long before the wait's own timeout.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>

#include "app/app_platform.h"
#include "app/box_presenter.h"

namespace app {
namespace {

using namespace std::chrono_literals;

constexpr std::int32_t kLongWait_ms = 6000;  // a wait that is not woken ends only after this

// Tells the test when the program thread is about to block.
class EnteringPlatform : public AppPlatform {
 public:
  using AppPlatform::AppPlatform;
  void wait_ms(std::int32_t timeout_ms, const screen::WakeSignal& signal, std::uint64_t seen) override {
    entered.set_value();
    AppPlatform::wait_ms(timeout_ms, signal, seen);
  }
  std::promise<void> entered;
};

struct Request {
  std::string name;
  std::function<void(screen::ScreenRuntime&)> make;
};
void PrintTo(const Request& request, std::ostream* out) { *out << request.name; }

class Wakeup : public testing::TestWithParam<Request> {};

TEST_P(Wakeup, ARequestFromAnotherThreadEndsTheWait) {
  StderrBoxPresenter presenter;
  EnteringPlatform platform(presenter);
  screen::ScreenRuntime rt(platform);
  std::future<void> entered = platform.entered.get_future();
  std::future<void> waiter = std::async(std::launch::async, [&rt] { rt.wait_for_key(kLongWait_ms); });
  ASSERT_EQ(entered.wait_for(3s), std::future_status::ready) << "the wait did not block";
  GetParam().make(rt);
  EXPECT_EQ(waiter.wait_for(3s), std::future_status::ready) << "the request did not wake the waiting thread";
}

INSTANTIATE_TEST_SUITE_P(
    Requests, Wakeup,
    testing::Values(Request{"key", [](screen::ScreenRuntime& rt) { rt.push_key({'x', 0}); }},
                    Request{"pause", [](screen::ScreenRuntime& rt) { rt.request_pause(); }},
                    Request{"stop", [](screen::ScreenRuntime& rt) { rt.request_stop(); }}),
    [](const testing::TestParamInfo<Request>& info) { return info.param.name; });

}  // namespace
}  // namespace app
