#pragma once
// Routes the meaning of each key press: keys into the key ring, Pause and the resuming key,
// Ctrl+Break to the end of the run, Alt+Enter back to the window.
//
// Invariants:
// - While the program is suspended (words.suspend_flag set) the next key press that means
//   something resumes it and is itself discarded; a modifier alone changes nothing.
// - A key arriving at a full ring is dropped (the ring's own rule).
#include "app/key_mapping.h"
#include "app/run_requests.h"
#include "screen/runtime.h"

namespace app {

class KeyRouter {
 public:
  KeyRouter(screen::ScreenRuntime& runtime, RunRequests& requests) : runtime_(runtime), requests_(requests) {}

  // True when the window is to move on to its next display mode.
  bool handle(const KeyEvent& event);

 private:
  bool resume_if_suspended();

  screen::ScreenRuntime& runtime_;
  RunRequests& requests_;
};

}  // namespace app
