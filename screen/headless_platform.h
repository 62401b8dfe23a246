#pragma once
// The headless backend: a virtual millisecond clock in which sleeping takes no real time,
// scripted answers to message boxes and hooks that let a driver type keys or stop the run.
// Tests and the snapshot runner drive the whole program through it, with no window.
#include <functional>
#include <string>
#include <vector>

#include "screen/platform.h"

namespace screen {

// Thrown by HeadlessPlatform::exit_process, so that a driver regains control.
struct ProcessExit {
  int exit_code = 0;
};

struct BoxRecord {
  std::string kind;  // "error", "critical" or "alert"
  std::string caption;
  std::string text;
};

class HeadlessPlatform : public Platform {
 public:
  std::int64_t clock_ms() override { return now_ms; }
  void sleep_ms(std::int32_t duration_ms) override;
  BoxAnswer error_box(const std::string& caption, const std::string& text) override;
  void critical_box(const std::string& caption, const std::string& text) override;
  void alert_box(const std::string& text) override;
  void window_title_changed(const std::string& title) override { window_title = title; }
  [[noreturn]] void exit_process(int exit_code) override { throw ProcessExit{exit_code}; }
  bool storage_available(std::size_t bytes) override { return !refuse_storage || !refuse_storage(bytes); }

  std::int64_t now_ms = 0;          // the virtual clock; a hook may move it, backwards too
  std::int64_t sleep_calls = 0;
  std::int64_t slept_ms = 0;        // sum of all sleeps
  std::string window_title;
  std::vector<BoxRecord> boxes;

  // Called after every sleep (also a 0 ms yield) with its duration.
  std::function<void(std::int32_t)> on_sleep;
  // Answers an error box; unset answers Yes.
  std::function<BoxAnswer(const std::string& caption, const std::string& text)> on_error_box;
  // Sees every storage request of the runtime; returning true refuses it.
  std::function<bool(std::size_t bytes)> refuse_storage;
};

}  // namespace screen
