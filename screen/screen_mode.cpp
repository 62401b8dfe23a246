// Screen mode, resize mode, window title and colours.
#include "screen/runtime.h"

namespace screen {

void ScreenRuntime::set_screen_mode(std::int32_t mode, std::int32_t /*colour_switch*/, std::int32_t active_page,
                                    std::int32_t visual_page, std::int32_t /*refresh*/,
                                    FlagSet<ScreenModeGiven> given) {
  if (error_pending()) return;
  const bool bad_mode = given.has(ScreenModeGiven::mode) && mode != 0 && mode != 12;
  const bool bad_page = (given.has(ScreenModeGiven::active_page) && active_page != 0) ||
                        (given.has(ScreenModeGiven::visual_page) && visual_page != 0);
  if (bad_mode || bad_page) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  if (!given.has(ScreenModeGiven::mode)) return;

  // No frame may be built from a half-changed screen: ask the frame builder to hold off.
  const bool handshake = words.automatic_display.load() && words.main_loop_started.load();
  if (handshake) {
    words.lock_display.store(1);
    while (words.lock_display.load() != 2) {
      if (words.stop_flag.load() != 0) {
        words.lock_display.store(0);
        stop_program_thread();
      }
      platform_.sleep_ms(0, Wait::display_lock);
    }
  }
  screen_mode_ = mode;
  if (mode == 12) {
    make_screen(640, 480, 30, 15);
  } else {
    make_screen(640, 400, 25, 7);
  }
  if (handshake) words.lock_display.store(0);
}

void ScreenRuntime::set_resize_mode(std::int32_t kind, std::int32_t mode) {
  if (kind == 1) snap_back_.store(false);
  if (kind == 2) snap_back_.store(true);
  resize_mode_.store(mode);
}

void ScreenRuntime::set_window_title(const std::string& title) {
  if (error_pending()) return;
  {
    std::lock_guard<std::mutex> lock(title_mutex_);
    window_title_ = title;
  }
  platform_.window_title_changed(title);
}

void ScreenRuntime::set_color(std::int32_t foreground, std::int32_t background, std::int32_t /*border*/,
                              FlagSet<ColorGiven> given) {
  if (error_pending()) return;
  const bool bad_foreground = given.has(ColorGiven::foreground) && static_cast<std::uint32_t>(foreground) > 15;
  const bool bad_background = given.has(ColorGiven::background) && static_cast<std::uint32_t>(background) > 15;
  if (bad_foreground || bad_background) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  if (given.has(ColorGiven::foreground)) text_.foreground = foreground;
  if (given.has(ColorGiven::background)) text_.background = background;
}

}  // namespace screen
