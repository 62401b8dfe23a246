#include "screen/headless_platform.h"

namespace screen {

void HeadlessPlatform::sleep_ms(std::int32_t duration_ms) {
  now_ms += duration_ms;
  slept_ms += duration_ms;
  ++sleep_calls;
  if (on_sleep) on_sleep(duration_ms);
}

BoxAnswer HeadlessPlatform::error_box(const std::string& caption, const std::string& text) {
  boxes.push_back({"error", caption, text});
  return on_error_box ? on_error_box(caption, text) : BoxAnswer::yes;
}

void HeadlessPlatform::critical_box(const std::string& caption, const std::string& text) {
  boxes.push_back({"critical", caption, text});
}

void HeadlessPlatform::alert_box(const std::string& text) { boxes.push_back({"alert", "Alert", text}); }

}  // namespace screen
