#pragma once
// The screen runtime's platform for the windowed program: a monotonic millisecond clock,
// real sleeps, message boxes through a presenter, the title handed to the window's thread,
// and the end of the process.
//
// Invariants:
// - The window's title is only ever applied on the window's thread: a title set on another
//   thread waits in pending_title_ until take_pending_title() collects it.
// - Boxes are cancelled (answered No) once the run is ending (stop_flag set), so a box can
//   never keep the process from ending.
#include <chrono>
#include <mutex>
#include <optional>
#include <string>

#include "app/box_presenter.h"
#include "screen/platform.h"
#include "screen/runtime.h"

namespace app {

class AppPlatform : public screen::Platform {
 public:
  explicit AppPlatform(BoxPresenter& boxes) : boxes_(boxes) {}

  // The words whose stop_flag cancels a waiting box; set once the runtime exists.
  void watch(const screen::SharedWords& words) { words_ = &words; }
  // Takes the clock's origin: clock_ms() counts from here.
  void start_clock() { origin_ = std::chrono::steady_clock::now(); }

  std::int64_t clock_ms() override;
  void sleep_ms(std::int32_t duration_ms, screen::Wait why) override;
  void wait_ms(std::int32_t timeout_ms, const screen::WakeSignal& signal, std::uint64_t seen) override;
  screen::BoxAnswer error_box(const std::string& caption, const std::string& text) override;
  void critical_box(const std::string& caption, const std::string& text) override;
  void alert_box(const std::string& text) override;
  void window_title_changed(const std::string& title) override;
  [[noreturn]] void exit_process(int exit_code) override;

  // The newest title set since the last call, if any.
  std::optional<std::string> take_pending_title();

 private:
  screen::BoxAnswer show(BoxButtons buttons, const std::string& caption, const std::string& text);

  BoxPresenter& boxes_;
  const screen::SharedWords* words_ = nullptr;
  std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
  std::mutex title_mutex_;
  std::optional<std::string> pending_title_;
};

}  // namespace app
