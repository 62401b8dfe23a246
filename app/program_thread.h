#pragma once
// The program thread's body: runs the routine and parks the thread for good when it stops.
#include <functional>

#include "screen/runtime.h"

namespace app {

using Routine = std::function<void(screen::ScreenRuntime&)>;

// Never returns: after the routine stops (or ends) the thread sleeps until the process ends.
// Running out of memory is the critical error "Out of memory".
[[noreturn]] void run_program_thread(screen::ScreenRuntime& runtime, const Routine& routine);

}  // namespace app
