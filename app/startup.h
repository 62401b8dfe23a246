#pragma once
// Start-up steps that come before the runtime's clock and threads.
#include <ctime>
#include <functional>
#include <string>

namespace app {

// The folder of the running executable ("" when it cannot be found).
std::string executable_folder();
// Makes the executable's folder the working folder; false when that fails.
bool enter_executable_folder();

// Waits until the wall-clock second changes, sleeping between looks; gives up after about
// max_wait_ms so that a clock that never moves cannot hold the start. Returns the looks made.
int wait_for_next_second(const std::function<std::time_t()>& now, const std::function<void(int)>& sleep_ms,
                         int max_wait_ms = 1100);

}  // namespace app
