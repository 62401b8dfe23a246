#pragma once
// What the screen runtime needs from outside itself: a millisecond clock, sleeping, message
// boxes, the window title and the end of the process. The windowed program and the headless
// backend (tests, snapshots) each provide one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "screen/wake_signal.h"

namespace screen {

enum class BoxAnswer { yes, no };

// What a sleeping thread waits for. The windowed program ignores it; the headless backend
// answers by it (a key for the line input, say) and names it when a run does not end.
enum class Wait : std::uint8_t {
  key_read,         // read_key_string yields before it looks at the key ring
  line_input,       // input_values polls the key ring
  key_wait,         // wait_for_key: one blocked pass of a wait for a key
  delay,            // delay_seconds
  statement_check,  // paused, or stopping
  display_lock,     // set_screen_mode waits for the frame builder's grant
  discard_keys,     // end_program empties the key ring
  last_key,         // end_program polls for the last key
  parked,           // the stopped program thread
  bell,             // Ctrl+G in the line input
  main_loop,        // a pass of the main-loop thread
};
const char* to_string(Wait wait);

class Platform {
 public:
  virtual ~Platform() = default;

  // Monotonic milliseconds; only differences matter.
  virtual std::int64_t clock_ms() = 0;
  // Sleeps the calling thread; 0 yields the processor.
  virtual void sleep_ms(std::int32_t duration_ms, Wait why) = 0;
  // Blocks the calling thread until signal.count() differs from seen, or timeout_ms pass.
  virtual void wait_ms(std::int32_t timeout_ms, const WakeSignal& signal, std::uint64_t seen) = 0;

  // A modal box with Yes and No; blocks the calling thread until answered.
  virtual BoxAnswer error_box(const std::string& caption, const std::string& text) = 0;
  // A modal box with OK.
  virtual void critical_box(const std::string& caption, const std::string& text) = 0;
  // A box captioned "Alert" with OK.
  virtual void alert_box(const std::string& text) = 0;

  // Called on the thread that sets the title.
  virtual void window_title_changed(const std::string& title) = 0;

  // Asked before the runtime takes storage from the allocator; false makes the request fail as
  // if memory had run out. Only a test backend refuses.
  virtual bool storage_available(std::size_t bytes) {
    static_cast<void>(bytes);
    return true;
  }

  // Ends the whole process with the exit code.
  [[noreturn]] virtual void exit_process(int exit_code) = 0;
};

}  // namespace screen
