#include "screen/platform.h"

namespace screen {

const char* to_string(Wait wait) {
  switch (wait) {
    case Wait::key_read: return "a key read";
    case Wait::line_input: return "a key for the line input";
    case Wait::key_wait: return "a key (blocked wait)";
    case Wait::delay: return "the end of a delay";
    case Wait::statement_check: return "the end of a pause or a stop";
    case Wait::display_lock: return "the display lock";
    case Wait::discard_keys: return "the key ring to empty";
    case Wait::last_key: return "the last key at the end of the run";
    case Wait::parked: return "the end of the process (thread parked)";
    case Wait::bell: return "the bell";
    case Wait::main_loop: return "the next main-loop pass";
  }
  return "?";
}

}  // namespace screen
