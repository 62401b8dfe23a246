// Lines 1 to 48: the graphics screen, the window, the two header rows and three small icons.
#include <string_view>

#include "scheme/main_module.h"

namespace scheme {

namespace {
constexpr std::string_view kWindowTitle = "SCHEMES: WAVE, SINGLE LAYER, SHORT PITCH WINDING";
constexpr std::string_view kCreditsLine =
    "         SCHEMES - draws the winding scheme of a three-phase AC machine";
constexpr std::string_view kSpeedHint = " Change speed: for 2 x speed press (+), for 0,5 x speed press (-) ";
static_assert(kCreditsLine.size() == 71 && kCreditsLine.substr(0, 9) == "         ");
static_assert(kSpeedHint.size() == 66);

constexpr std::int32_t kGraphicsMode = 12;
constexpr std::int32_t kKeepSnapBack = 0;
constexpr std::int32_t kStretchSmoothed = 2;
constexpr std::uint16_t kDotted = 0x8888;
}  // namespace

void MainModule::setup_screen() {
  rt_.set_screen_mode(kGraphicsMode, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
  frame(1);
  frame(3);
  rt_.set_resize_mode(kKeepSnapBack, kStretchSmoothed);
  frame(6);
  rt_.set_window_title(std::string(kWindowTitle));
  frame(9);
  locate(12, 1, 1);
  set_color(13, 3);
  print(14, {text(std::string(kCreditsLine))});
  set_color(16, 14);
  locate(17, 2, 8);
  print(18, {text(std::string(kSpeedHint))});
  set_color(20, 15);
}

void MainModule::draw_scheme_icons() {
  ProgramState& s = *s_;
  assign(23, s.icon_origin_x, -10);
  draw_line(24, X(s.icon_origin_x) + 15, 15, X(s.icon_origin_x) + 15, 5);
  draw_line(25, X(s.icon_origin_x) + 15, 5, X(s.icon_origin_x) + 20, 1);
  draw_line(26, X(s.icon_origin_x) + 20, 1, X(s.icon_origin_x) + 24, 5);
  draw_line(27, X(s.icon_origin_x) + 24, 5, X(s.icon_origin_x) + 24, 15);
  draw_line(28, X(s.icon_origin_x) + 24, 15, X(s.icon_origin_x) + 29, 19);
  draw_line(29, X(s.icon_origin_x) + 29, 19, X(s.icon_origin_x) + 33, 15);
  draw_line(30, X(s.icon_origin_x) + 33, 15, X(s.icon_origin_x) + 33, 5);

  assign(33, s.pole_index, 27);
  draw_line(34, X(s.pole_index) + 1, 3, X(s.pole_index) + 3, 3);
  draw_line(35, X(s.pole_index) + 3, 3, X(s.pole_index) + 3, 17);
  draw_line(36, X(s.pole_index) + 3, 17, X(s.pole_index) + 11, 17);
  draw_line(37, X(s.pole_index) + 11, 17, X(s.pole_index) + 11, 3);
  draw_line(38, X(s.pole_index) + 11, 3, X(s.pole_index) + 13, 3);
  draw_circle(39, X(s.pole_index) + 7, 13, 3);

  assign(42, s.pole_index, 15);
  draw_line(43, X(s.pole_index) + 30, 18, X(s.pole_index) + 30, 0, 15, kDotted);
  draw_line(44, X(s.pole_index) + 40, 18, X(s.pole_index) + 40, 0, 15, kDotted);
  draw_line(45, X(s.pole_index) + 30, 15, X(s.pole_index) + 30, 5);
  draw_line(46, X(s.pole_index) + 30, 5, X(s.pole_index) + 34, 1);
  draw_line(47, X(s.pole_index) + 34, 1, X(s.pole_index) + 38, 5);
  draw_line(48, X(s.pole_index) + 38, 5, X(s.pole_index) + 38, 15);
}

}  // namespace scheme
