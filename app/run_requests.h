#pragma once
// Requests that the window's thread hands to the main-loop thread, and the main-loop
// thread to the timer-trap thread. Plain words, polled.
#include <atomic>

namespace app {

struct RunRequests {
  std::atomic<bool> end_run{false};     // the close button or Ctrl+Break
  std::atomic<bool> stop_timer{false};  // the timer-trap loop is to stop
};

}  // namespace app
