// The program thread blocked in wait_for_key on the windowed platform: each request of another
// thread (a key, a pause, a stop) wakes it at once, long before the wait's own timeout.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/app_platform.h"
#include "app/box_presenter.h"
#include "tests/support/bounded_thread.h"

namespace app {
namespace {

using test_support::BoundedThread;
using test_support::Signal;

constexpr std::int32_t kHour_ms = 3'600'000;  // a wait that is not woken outlasts the test

// Tells the test when the program thread is about to block.
class EnteringPlatform : public AppPlatform {
 public:
  using AppPlatform::AppPlatform;
  void wait_ms(std::int32_t timeout_ms, const screen::WakeSignal& signal, std::uint64_t seen) override {
    entered.raise();
    AppPlatform::wait_ms(timeout_ms, signal, seen);
  }
  Signal entered;
};

// What the waiting thread shares with the test.
struct WaitWorld {
  StderrBoxPresenter presenter;
  EnteringPlatform platform{presenter};
  screen::ScreenRuntime runtime{platform};
};

struct Request {
  std::string name;
  std::function<void(screen::ScreenRuntime&)> make;
};
void PrintTo(const Request& request, std::ostream* out) { *out << request.name; }

class Wakeup : public testing::TestWithParam<Request> {};

TEST_P(Wakeup, ARequestFromAnotherThreadEndsTheWait) {
  auto world = std::make_shared<WaitWorld>();
  const BoundedThread waiter([world] { world->runtime.wait_for_key(kHour_ms); });
  ASSERT_TRUE(world->platform.entered.arrives_within()) << "the wait did not block";
  GetParam().make(world->runtime);
  EXPECT_TRUE(waiter.ends_within()) << "the " << GetParam().name << " did not wake the waiting thread";
}

INSTANTIATE_TEST_SUITE_P(
    Requests, Wakeup,
    testing::Values(Request{"key", [](screen::ScreenRuntime& rt) { rt.push_key({'x', 0}); }},
                    Request{"pause", [](screen::ScreenRuntime& rt) { rt.request_pause(); }},
                    Request{"stop", [](screen::ScreenRuntime& rt) { rt.request_stop(); }}),
    [](const testing::TestParamInfo<Request>& info) { return info.param.name; });

}  // namespace
}  // namespace app
