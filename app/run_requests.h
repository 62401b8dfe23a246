#pragma once
// Requests that the window's thread hands to the main-loop thread, and the main-loop thread to
// the timer-trap thread.
//
// Invariants:
// - end_run is a plain word the main loop polls on each pass.
// - The timer stop, once requested, stays requested; wait_for_timer_stop() blocks (no polling)
//   until then.
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace app {

class RunRequests {
 public:
  // The close button or Ctrl+Break.
  std::atomic<bool> end_run{false};

  // The timer-trap loop is to stop.
  void request_timer_stop() {
    {
      std::lock_guard<std::mutex> lock(timer_mutex_);
      timer_stop_ = true;
    }
    timer_stopped_.notify_all();
  }
  bool timer_stop_requested() const {
    std::lock_guard<std::mutex> lock(timer_mutex_);
    return timer_stop_;
  }
  void wait_for_timer_stop() const {
    std::unique_lock<std::mutex> lock(timer_mutex_);
    timer_stopped_.wait(lock, [this] { return timer_stop_; });
  }

 private:
  mutable std::mutex timer_mutex_;
  mutable std::condition_variable timer_stopped_;
  bool timer_stop_ = false;
};

}  // namespace app
