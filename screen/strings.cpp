// String operations of the program. Strings are C++ values, so temporaries end with their
// full expression and need no explicit release.
#include "screen/runtime.h"

namespace screen {

std::string ScreenRuntime::char_string(std::int32_t code) {
  if (code < 0 || code > 255) {
    raise_error(kIllegalFunctionCall);
    return {};
  }
  return std::string(1, static_cast<char>(static_cast<unsigned char>(code)));
}

std::int32_t ScreenRuntime::strings_equal(const std::string& a, const std::string& b) { return a == b ? -1 : 0; }

void ScreenRuntime::assign_string(std::string& destination, std::string source) { destination = std::move(source); }

}  // namespace screen
