#include "screen/headless_platform.h"

namespace screen {

void HeadlessPlatform::sleep_ms(std::int32_t duration_ms, Wait why) {
  if (max_idle_sleeps > 0 && ++idle_sleeps_ > max_idle_sleeps) {
    throw HeadlessStuck("headless run stuck: " + std::to_string(max_idle_sleeps) +
                        " sleeps without progress, the last waiting for " + to_string(why) + " (virtual clock at " +
                        std::to_string(now_ms) + " ms)");
  }
  now_ms += duration_ms;
  slept_ms += duration_ms;
  ++sleep_calls;
  if (on_sleep) on_sleep(duration_ms, why);
}

void HeadlessPlatform::wait_ms(std::int32_t timeout_ms, const WakeSignal& signal, std::uint64_t seen) {
  if (signal.count() == seen) sleep_ms(timeout_ms, Wait::key_wait);
}

void HeadlessPlatform::record_box(const char* kind, const std::string& caption, const std::string& text) {
  if (keep_boxes) boxes.push_back({kind, caption, text});
}

BoxAnswer HeadlessPlatform::error_box(const std::string& caption, const std::string& text) {
  record_box("error", caption, text);
  return on_error_box ? on_error_box(caption, text) : BoxAnswer::yes;
}

void HeadlessPlatform::critical_box(const std::string& caption, const std::string& text) {
  record_box("critical", caption, text);
}

void HeadlessPlatform::alert_box(const std::string& text) { record_box("alert", "Alert", text); }

}  // namespace screen
