#pragma once
// One pass of the main-loop thread, run about every 16 ms: the frame builder on every second
// pass, and the end of the run.
//
// Invariants:
// - The run ends when the program has ended (program_ended_flag) or the window asked for it
//   (close button, Ctrl+Break): stop_flag and event_flag are set once, and the timer-trap
//   loop is told to stop.
// - The process ends, with exit code 0, only once stop_flag is set and exit_ok shows both
//   the program thread and the timer-trap thread stopped.
#include <cstdint>
#include <optional>

#include "app/frame_builder.h"
#include "app/run_requests.h"
#include "screen/runtime.h"

namespace app {

inline constexpr std::int32_t kMainLoopPass_ms = 16;

class MainLoop {
 public:
  MainLoop(screen::ScreenRuntime& runtime, FrameBuilder& builder, RunRequests& requests)
      : runtime_(runtime), builder_(builder), requests_(requests) {}

  // One pass; the exit code when the process is to end now.
  std::optional<int> pass();

  std::uint64_t passes() const { return passes_; }

 private:
  screen::ScreenRuntime& runtime_;
  FrameBuilder& builder_;
  RunRequests& requests_;
  std::uint64_t passes_ = 0;
};

// The threads' bodies, each runs until the process ends.
void run_main_loop_thread(screen::ScreenRuntime& runtime, FrameBuilder& builder, RunRequests& requests);
void run_timer_trap_thread(screen::ScreenRuntime& runtime, const RunRequests& requests);

}  // namespace app
