// Placeholder until the line input lands: takes no keys and leaves the target at 0.
#include "screen/runtime.h"

namespace screen {

void ScreenRuntime::input_values(std::int32_t /*count*/, std::int32_t new_line_wanted) {
  if (error_pending()) return;
  if (auto* target = static_cast<float*>(input_variable_pointers[1])) *target = 0.0F;
  if (new_line_wanted != 0) print_string("", 1);
}

}  // namespace screen
