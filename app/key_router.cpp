#include "app/key_router.h"

namespace app {

bool KeyRouter::resume_if_suspended() {
  std::uint8_t suspended = 1;
  return runtime_.words.suspend_flag.compare_exchange_strong(suspended, 0);
}

bool KeyRouter::handle(const KeyEvent& event) {
  switch (event.meaning) {
    case KeyMeaning::nothing:
      return false;
    case KeyMeaning::cycle_display:
      return true;
    case KeyMeaning::stop:
      requests_.end_run.store(true);
      return false;
    case KeyMeaning::pause:
      if (!resume_if_suspended()) runtime_.request_pause();
      return false;
    case KeyMeaning::key:
      if (!resume_if_suspended()) runtime_.push_key(event.entry);
      return false;
  }
  return false;
}

}  // namespace app
