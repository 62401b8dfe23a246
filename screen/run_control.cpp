// The statement check, the ends of the program thread, critical errors and the delay.
#include <cmath>
#include <cstdlib>
#include <string>

#include "screen/runtime.h"

namespace screen {

namespace {
constexpr std::int32_t kCheckSlice_ms = 10;
constexpr std::int32_t kParkSlice_ms = 16;
constexpr std::int32_t kDelaySlice_ms = 9;
constexpr std::int32_t kLastKeyPoll_ms = 100;
constexpr double kLongestDelay_s = 2147483.647;
}  // namespace

void ScreenRuntime::statement_check(std::int32_t line) {
  // Sequentially consistent, so the clear is ordered before the reads below: a request that
  // comes between them leaves event_flag set (see the invariants in runtime.h).
  words.event_flag.store(0, std::memory_order_seq_cst);
  while (words.suspend_flag.load() != 0 || words.stop_flag.load() != 0) {
    if (words.stop_flag.load() != 0) stop_program_thread();
    platform_.sleep_ms(kCheckSlice_ms, Wait::statement_check);
  }
  const std::int32_t code = words.pending_error.load();
  if (code == 0) return;
  const std::string caption = "Unhandled Error #" + std::to_string(code);
  const std::string text = "Line: " + std::to_string(line) + "\n" + error_message(code) + "\nContinue?";
  if (platform_.error_box(caption, text) == BoxAnswer::yes) {
    words.pending_error.store(0);
    return;
  }
  words.program_ended_flag.store(1);
  stop_program_thread();
}

void ScreenRuntime::stop_program_thread() {
  words.exit_ok.fetch_or(kExitOkProgramThread);
  throw ProgramStopped{};
}

void ScreenRuntime::park_program_thread() {
  for (;;) platform_.sleep_ms(kParkSlice_ms, Wait::parked);
}

void ScreenRuntime::critical_error(std::int32_t number, const char* message) {
  platform_.critical_box("Critical Error #" + std::to_string(number), message);
  platform_.exit_process(0);
  std::abort();  // a virtual call is not known to be noreturn; this function must not return
}

void ScreenRuntime::end_program() {
  // Printing is restricted to the last text row, which the empty line clears.
  text_.view_top = text_.rows;
  text_.view_bottom = text_.rows;
  text_.row = text_.rows;
  text_.column = 1;
  text_.newline_pending = false;
  print_string("", 1);
  print_string("Press any key to continue", 0);
  while (keys.take()) platform_.sleep_ms(0, Wait::discard_keys);
  words.automatic_display.store(true);
  waiting_for_last_key_.store(true);
  for (;;) {
    platform_.sleep_ms(kLastKeyPoll_ms, Wait::last_key);
    if (words.stop_flag.load() != 0) stop_program_thread();
    if (!read_key_string().empty()) break;
  }
  words.program_ended_flag.store(1);
  stop_program_thread();
}

std::string ScreenRuntime::read_key_string() {
  if (error_pending()) return {};
  platform_.sleep_ms(0, Wait::key_read);
  const auto key = keys.take();
  if (!key) return {};
  if (key->character != 0 || key->scan_code == 0) return std::string(1, static_cast<char>(key->character));
  return std::string{'\0', static_cast<char>(key->scan_code)};
}

void ScreenRuntime::wait_for_key(std::int32_t timeout_ms) {
  const std::uint64_t seen = wake_.count();
  if (!keys.empty() || words.event_flag.load() != 0 || words.stop_flag.load() != 0) return;
  platform_.wait_ms(timeout_ms, wake_, seen);
}

bool ScreenRuntime::push_key(KeyEntry key) {
  const bool queued = keys.push(key);
  if (queued) wake_.notify();
  return queued;
}

void ScreenRuntime::request_pause() {
  words.suspend_flag.store(1);
  words.event_flag.store(1);
  wake_.notify();
}

void ScreenRuntime::request_stop() {
  words.stop_flag.store(1);
  words.event_flag.store(1);
  wake_.notify();
}

void ScreenRuntime::delay_seconds(double seconds) {
  if (error_pending()) return;
  if (!(seconds >= 0.0 && seconds <= kLongestDelay_s)) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  const double target_ms = seconds * 1000.0;
  std::int64_t start_ms = platform_.clock_ms();
  std::int64_t last_ms = start_ms;
  for (;;) {
    const std::int64_t now_ms = platform_.clock_ms();
    if (now_ms < last_ms) start_ms += now_ms - last_ms;  // the clock went back: keep what was measured
    last_ms = now_ms;
    const auto elapsed_ms = static_cast<double>(now_ms - start_ms);
    if (elapsed_ms >= target_ms) return;
    auto remainder_ms = static_cast<std::int64_t>(std::trunc(target_ms - elapsed_ms));
    if (remainder_ms == 0) remainder_ms = 1;
    if (remainder_ms < 10) {
      platform_.sleep_ms(static_cast<std::int32_t>(remainder_ms), Wait::delay);
      return;
    }
    platform_.sleep_ms(kDelaySlice_ms, Wait::delay);
    statement_check(0);
  }
}

}  // namespace screen
