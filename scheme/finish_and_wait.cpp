// Lines 513 to 527: the end label W2, the speed hint erased, the wait for one key and the
// end of the run.
#include <string>

#include "scheme/main_module.h"

namespace scheme {

namespace {
constexpr std::size_t kSpeedHintLength = 66;
constexpr std::int32_t kFinalWaitPass_ms = 10;
}  // namespace

void MainModule::finish_and_wait() {
  ProgramState& s = *s_;
  locate(513, X(s.text_row) - 1, X(s.text_column) + X(s.column_step) * X(s.pole_pairs) + 4);
  set_color(514, 1);
  print(515, {text("W2")});

  set_color(516, 11);
  locate(522, 2, 8);
  print(523, {text(std::string(kSpeedHintLength, ' '))});
  // Line 526 jumps to itself until a key is waiting; that key is consumed. A pass that finds
  // no key sleeps until one arrives, a pause or a stop is asked, or kFinalWaitPass_ms pass, so
  // the finished scheme costs no processor while it is on show.
  for (;;) {
    frame(526);
    if (screen::ScreenRuntime::strings_equal(rt_.read_key_string(), "") == 0) break;
    rt_.wait_for_key(kFinalWaitPass_ms);
  }
  rt_.end_program();
}

}  // namespace scheme
