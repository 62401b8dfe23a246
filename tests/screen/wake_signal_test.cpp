// The signal a blocked program thread sleeps on: a notify is never missed, also one that came
// before the wait began.
#include "screen/wake_signal.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "tests/support/bounded_thread.h"

namespace {

using test_support::BoundedThread;

constexpr std::int32_t kHour_ms = 3'600'000;  // a wait that nothing ends would outlast the test

TEST(WakeSignal, CountsNotifiesAndTimesOutWhenNoneCame) {
  screen::WakeSignal signal;
  const std::uint64_t seen = signal.count();
  EXPECT_FALSE(signal.wait_for_change(seen, 1));
  signal.notify();
  signal.notify();
  EXPECT_EQ(signal.count(), seen + 2);
}

TEST(WakeSignal, ANotifyBeforeTheWaitEndsTheWaitAtOnce) {
  auto signal = std::make_shared<screen::WakeSignal>();
  auto woken = std::make_shared<std::atomic<bool>>(false);
  const std::uint64_t seen = signal->count();
  signal->notify();
  const BoundedThread waiter([signal, woken, seen] { woken->store(signal->wait_for_change(seen, kHour_ms)); });
  ASSERT_TRUE(waiter.ends_within()) << "the wait blocked although the count had moved before it began";
  EXPECT_TRUE(woken->load()) << "the wait did not report the notify";
}

}  // namespace
