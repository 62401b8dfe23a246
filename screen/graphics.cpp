// Line and circle drawing on the graphics screen: the arguments, colours, style and the
// graphics cursor; the pixels themselves come from the rasterisers.
#include <cmath>

#include "screen/circle_raster.h"
#include "screen/line_raster.h"
#include "screen/rounding.h"
#include "screen/runtime.h"

namespace screen {

namespace {
constexpr std::uint16_t kSolidStyle = 0xFFFF;

bool is_finite(PixelPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }
}  // namespace

void ScreenRuntime::draw_line(float x1, float y1, float x2, float y2, std::int32_t colour, std::int32_t /*box*/,
                              std::uint16_t style, FlagSet<LineGiven> given) {
  if (error_pending()) return;
  if (screen_mode_ == 0) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  if (given.has(LineGiven::first_point)) {
    graphics_cursor_ = given.has(LineGiven::first_relative)
                           ? GraphicsCursor{graphics_cursor_.x + x1, graphics_cursor_.y + y1}
                           : GraphicsCursor{x1, y1};
  }
  const GraphicsCursor first = graphics_cursor_;
  graphics_cursor_ = given.has(LineGiven::second_relative) ? GraphicsCursor{first.x + x2, first.y + y2}
                                                           : GraphicsCursor{x2, y2};
  const GraphicsCursor second = graphics_cursor_;

  const PixelPoint from{round_half_even(first.x), round_half_even(first.y)};
  const PixelPoint to{round_half_even(second.x), round_half_even(second.y)};
  if (!is_finite(from) || !is_finite(to)) return;  // a point without a place misses the screen

  const std::int32_t pixel_colour = given.has(LineGiven::colour) ? colour : text_.foreground;
  const std::uint16_t pattern = given.has(LineGiven::style) ? style : kSolidStyle;
  ImageWrite write(*this);
  rasterize_line(from, to, pattern, image_.width, image_.height,
                 [&](std::int32_t x, std::int32_t y) { set_pixel(x, y, pixel_colour); });
}

// Start angle, end angle and aspect are not supported: every circle is full and round.
void ScreenRuntime::draw_circle(double x, double y, double r, std::int32_t colour, double /*start*/,
                                double /*end*/, double /*aspect*/, FlagSet<CircleGiven> given) {
  if (error_pending()) return;
  if (screen_mode_ == 0) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  if (given.has(CircleGiven::centre_relative)) {
    x += static_cast<double>(graphics_cursor_.x);
    y += static_cast<double>(graphics_cursor_.y);
  }
  graphics_cursor_ = GraphicsCursor{narrow_to_float(x), narrow_to_float(y)};

  const double radius = std::fabs((x + r) - x);
  const std::int32_t pixel_colour = given.has(CircleGiven::colour) ? colour : text_.foreground;
  ImageWrite write(*this);
  rasterize_circle(x, y, radius, image_.width, image_.height,
                   [&](std::int32_t px, std::int32_t py) { set_pixel(px, py, pixel_colour); });
}

}  // namespace screen
