#include "app/app_platform.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace app {

std::int64_t AppPlatform::clock_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - origin_).count();
}

void AppPlatform::sleep_ms(std::int32_t duration_ms, screen::Wait /*why*/) {
  if (duration_ms <= 0) {
    std::this_thread::yield();
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(duration_ms));
  }
}

void AppPlatform::wait_ms(std::int32_t timeout_ms, const screen::WakeSignal& signal, std::uint64_t seen) {
  signal.wait_for_change(seen, timeout_ms);
}

screen::BoxAnswer AppPlatform::show(BoxButtons buttons, const std::string& caption, const std::string& text) {
  const screen::SharedWords* words = words_;
  const auto cancelled = [words] { return words != nullptr && words->stop_flag.load() != 0; };
  return boxes_.show(BoxRequest{buttons, caption, text}, cancelled);
}

screen::BoxAnswer AppPlatform::error_box(const std::string& caption, const std::string& text) {
  return show(BoxButtons::yes_no, caption, text);
}

void AppPlatform::critical_box(const std::string& caption, const std::string& text) {
  show(BoxButtons::ok, caption, text);
}

void AppPlatform::alert_box(const std::string& text) { show(BoxButtons::ok, "Alert", text); }

void AppPlatform::window_title_changed(const std::string& title) {
  std::lock_guard<std::mutex> lock(title_mutex_);
  pending_title_ = title;
}

std::optional<std::string> AppPlatform::take_pending_title() {
  std::lock_guard<std::mutex> lock(title_mutex_);
  std::optional<std::string> title = std::move(pending_title_);
  pending_title_.reset();
  return title;
}

void AppPlatform::exit_process(int exit_code) {
  // Other threads are still running: end without static destructors.
  std::fflush(nullptr);
  std::_Exit(exit_code);
}

}  // namespace app
