#pragma once
// Lets a thread sleep until another thread has news for it (a key, a pause, a stop).
//
// Invariants:
// - count() grows by one at every notify().
// - A waiter that reads count() before it looks at the state it waits on misses no notify()
//   that follows a change of that state: wait_for_change returns at once when the count moved.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace screen {

class WakeSignal {
 public:
  void notify() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++count_;
    }
    changed_.notify_all();
  }

  std::uint64_t count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
  }

  // Blocks until count() differs from seen or timeout_ms pass; true when woken by a notify().
  bool wait_for_change(std::uint64_t seen, std::int32_t timeout_ms) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] { return count_ != seen; });
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::uint64_t count_ = 0;
};

}  // namespace screen
