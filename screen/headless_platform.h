#pragma once
// The headless backend: a virtual millisecond clock in which sleeping takes no real time,
// scripted answers to message boxes and hooks that let a driver type keys or stop the run.
// Tests and the snapshot runner drive the whole program through it, with no window.
//
// Invariants:
// - Sleeps and blocked waits move now_ms forward by their length and take no real time.
// - A run never hangs: after max_idle_sleeps sleeps without note_progress(), sleep_ms throws
//   HeadlessStuck, which names what the thread was waiting for.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "screen/platform.h"

namespace screen {

// Thrown by HeadlessPlatform::exit_process, so that a driver regains control.
struct ProcessExit {
  int exit_code = 0;
};

// Thrown by HeadlessPlatform::sleep_ms when a run waits for something that never comes.
struct HeadlessStuck : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct BoxRecord {
  std::string kind;  // "error", "critical" or "alert"
  std::string caption;
  std::string text;
};

class HeadlessPlatform : public Platform {
 public:
  std::int64_t clock_ms() override { return now_ms; }
  void sleep_ms(std::int32_t duration_ms, Wait why) override;
  void wait_ms(std::int32_t timeout_ms, const WakeSignal& signal, std::uint64_t seen) override;
  BoxAnswer error_box(const std::string& caption, const std::string& text) override;
  void critical_box(const std::string& caption, const std::string& text) override;
  void alert_box(const std::string& text) override;
  void window_title_changed(const std::string& title) override { window_title = title; }
  [[noreturn]] void exit_process(int exit_code) override { throw ProcessExit{exit_code}; }
  bool storage_available(std::size_t bytes) override { return !refuse_storage || !refuse_storage(bytes); }

  // The run moved on (a statement ran): the count toward max_idle_sleeps starts again.
  void note_progress() { idle_sleeps_ = 0; }

  std::int64_t now_ms = 0;          // the virtual clock; a hook may move it, backwards too
  std::int64_t sleep_calls = 0;     // sleeps and yields, blocked waits included
  std::int64_t slept_ms = 0;        // sum of all sleeps
  std::int64_t max_idle_sleeps = 10'000'000;  // 0: no bound
  bool keep_boxes = true;           // false: boxes are answered but not kept in `boxes`
  std::string window_title;
  std::vector<BoxRecord> boxes;

  // Called after every sleep (also a 0 ms yield and a blocked wait) with its length and reason.
  std::function<void(std::int32_t duration_ms, Wait why)> on_sleep;
  // Answers an error box; unset answers Yes.
  std::function<BoxAnswer(const std::string& caption, const std::string& text)> on_error_box;
  // Sees every storage request of the runtime; returning true refuses it.
  std::function<bool(std::size_t bytes)> refuse_storage;

 private:
  void record_box(const char* kind, const std::string& caption, const std::string& text);

  std::int64_t idle_sleeps_ = 0;
};

}  // namespace screen
