#pragma once
// What the screen runtime needs from outside itself: a millisecond clock, sleeping, message
// boxes, the window title and the end of the process. The windowed program and the headless
// backend (tests, snapshots) each provide one.
#include <cstddef>
#include <cstdint>
#include <string>

namespace screen {

enum class BoxAnswer { yes, no };

class Platform {
 public:
  virtual ~Platform() = default;

  // Monotonic milliseconds; only differences matter.
  virtual std::int64_t clock_ms() = 0;
  // Sleeps the calling thread; 0 yields the processor.
  virtual void sleep_ms(std::int32_t duration_ms) = 0;

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
