#pragma once
// Requests that the window's thread hands to the main-loop thread, and the main-loop
// thread to the timer-trap thread: plain words, polled.
#include <atomic>

namespace app {

class RunRequests {
 public:
  // The close button or Ctrl+Break.
  std::atomic<bool> end_run{false};

  // The timer-trap loop is to stop.
  void request_timer_stop() { timer_stop_.store(true); }
  bool timer_stop_requested() const { return timer_stop_.load(); }

 private:
  std::atomic<bool> timer_stop_{false};
};

}  // namespace app
