// Only the steps whose major coordinate lies on the screen are walked, so the work is bounded
// by the screen size however far away the end points lie.
#include "screen/line_raster.h"

#include <algorithm>
#include <cmath>

#include "screen/rounding.h"

namespace screen {

namespace {

// Up to this many cut-off steps the accumulator is replayed in single precision, so a
// clipped line keeps exactly the pixels of the whole line; beyond, it is extrapolated.
constexpr double kMaxReplayedSteps = 65536.0;

float accumulator_after(float start, float increment, double steps) {
  if (steps <= kMaxReplayedSteps) {
    float accumulator = start;
    for (auto left = static_cast<std::int32_t>(steps); left > 0; --left) accumulator += increment;
    return accumulator;
  }
  return narrow_to_float(static_cast<double>(start) + steps * static_cast<double>(increment));
}

}  // namespace

void rasterize_line(PixelPoint from, PixelPoint to, std::uint16_t style, std::int32_t width, std::int32_t height,
                    const PixelSink& plot) {
  const bool x_major = std::fabs(to.x - from.x) > std::fabs(to.y - from.y);
  const double major_from = x_major ? from.x : from.y;
  const double major_to = x_major ? to.x : to.y;
  const double minor_from = x_major ? from.y : from.x;
  const double minor_to = x_major ? to.y : to.x;
  const double major_last = static_cast<double>((x_major ? width : height) - 1);
  const double minor_last = static_cast<double>((x_major ? height : width) - 1);

  const double length = std::fabs(major_to - major_from);
  const float increment = length > 0.0 ? narrow_to_float((minor_to - minor_from) / length) : 0.0F;
  const std::int32_t step = major_to >= major_from ? 1 : -1;

  const double visible_low = std::max(0.0, std::min(major_from, major_to));
  const double visible_high = std::min(major_last, std::max(major_from, major_to));
  if (visible_low > visible_high) return;

  const double first_visible = step > 0 ? visible_low : visible_high;
  const double cut_off = std::fabs(first_visible - major_from);
  const auto count = static_cast<std::int32_t>(visible_high - visible_low) + 1;
  auto phase = static_cast<std::int32_t>(std::fmod(cut_off, 16.0));
  float accumulator = accumulator_after(narrow_to_float(minor_from), increment, cut_off);
  auto major = static_cast<std::int32_t>(first_visible);

  for (std::int32_t i = 0; i < count; ++i) {
    const double minor = std::round(static_cast<double>(accumulator));  // half away from zero
    const bool lit = (style & (0x8000U >> phase)) != 0;
    if (lit && minor >= 0.0 && minor <= minor_last) {
      const auto minor_pixel = static_cast<std::int32_t>(minor);
      if (x_major) {
        plot(major, minor_pixel);
      } else {
        plot(minor_pixel, major);
      }
    }
    accumulator += increment;
    major += step;
    phase = (phase + 1) & 15;
  }
}

}  // namespace screen
