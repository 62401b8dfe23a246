#include "app/program_thread.h"

#include <new>

namespace app {

void run_program_thread(screen::ScreenRuntime& runtime, const Routine& routine) {
  try {
    routine(runtime);
  } catch (const screen::ProgramStopped&) {
  } catch (const std::bad_alloc&) {
    runtime.critical_error(screen::kCriticalOutOfMemory, "Out of memory");
  }
  runtime.words.exit_ok.fetch_or(screen::kExitOkProgramThread);
  runtime.park_program_thread();
}

}  // namespace app
