#include "app/main_loop.h"

namespace app {

std::optional<int> MainLoop::pass() {
  ++passes_;
  if (passes_ % 2 == 0) builder_.pass();

  screen::SharedWords& words = runtime_.words;
  const bool end_wanted = requests_.end_run.load() || words.program_ended_flag.load() != 0;
  if (end_wanted && words.stop_flag.load() == 0) {
    runtime_.request_stop();
    requests_.request_timer_stop();
  }
  constexpr std::uint32_t kBothStopped = screen::kExitOkProgramThread | screen::kExitOkTimerThread;
  if (words.stop_flag.load() != 0 && (words.exit_ok.load() & kBothStopped) == kBothStopped) return 0;
  return std::nullopt;
}

void run_main_loop_thread(screen::ScreenRuntime& runtime, FrameBuilder& builder, RunRequests& requests) {
  MainLoop loop(runtime, builder, requests);
  runtime.words.main_loop_started.store(true);
  for (;;) {
    runtime.platform().sleep_ms(kMainLoopPass_ms, screen::Wait::main_loop);
    if (const std::optional<int> exit_code = loop.pass()) runtime.platform().exit_process(*exit_code);
  }
}

void run_timer_trap_thread(screen::ScreenRuntime& runtime, const RunRequests& requests) {
  // The program sets no timer traps, so there is nothing to serve: the thread sleeps until the
  // end of the run and then reports itself stopped.
  requests.wait_for_timer_stop();
  runtime.words.exit_ok.fetch_or(screen::kExitOkTimerThread);
}

}  // namespace app
