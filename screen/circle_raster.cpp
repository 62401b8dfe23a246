#include "screen/circle_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "screen/held_back_samples.h"

namespace screen {

namespace {

// Quarters of up to this many steps (a radius of about 41700 pixels) are sampled whole.
constexpr double kMaxWholeSteps = 65536.0;
// A bigger circle is sampled per mirror quarter only where it can reach the screen, taking
// this many pixels beyond the edge for context and at most this many samples.
constexpr double kWindowMarginPixels = 2.0;
constexpr double kMaxWindowSamples = 16384.0;
// Plotted pixels lie within about 1.5 pixels of the exact ring.
constexpr double kRingTolerancePixels = 2.0;

struct Mirror {
  double sign_x = 1.0;
  double sign_y = 1.0;
};
constexpr std::array<Mirror, 4> kMirrors = {{{1.0, 1.0}, {-1.0, 1.0}, {-1.0, -1.0}, {1.0, -1.0}}};

struct Circle {
  double centre_x = 0.0;  // rounded
  double centre_y = 0.0;
  double radius = 0.0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

QuarterSample sample_at(double c, double s, double radius) {
  return {std::trunc(c * radius + 0.5), std::trunc(s * radius - 0.5)};
}

void plot_if_on_screen(const Circle& circle, double x, double y, const PixelSink& plot) {
  if (x >= 0.0 && x <= circle.width - 1.0 && y >= 0.0 && y <= circle.height - 1.0) {
    plot(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
  }
}

bool misses_screen(double x, double y, double radius, std::int32_t width, std::int32_t height) {
  return x + radius + 0.5 < 0.0 || y + radius + 0.5 < 0.0 || x - radius - 0.5 > width - 1.0 ||
         y - radius - 0.5 > height - 1.0;
}

bool screen_inside_ring(double x, double y, double radius, std::int32_t width, std::int32_t height) {
  const double far_x = std::max(std::fabs(x), std::fabs(x - (width - 1.0)));
  const double far_y = std::max(std::fabs(y), std::fabs(y - (height - 1.0)));
  return std::hypot(far_x, far_y) < radius - kRingTolerancePixels;
}

void sample_whole(const Circle& circle, std::int32_t steps, const PixelSink& plot) {
  HeldBackSamples samples([&](QuarterSample sample) {
    for (const Mirror& mirror : kMirrors) {
      plot_if_on_screen(circle, circle.centre_x + mirror.sign_x * sample.x, circle.centre_y + mirror.sign_y * sample.y,
                        plot);
    }
  });
  const double angle = steps > 0 ? (std::numbers::pi / 2.0) / steps : 0.0;
  const double cos_step = std::cos(angle);
  const double sin_step = std::sin(angle);
  double c = 1.0;
  double s = 0.0;
  for (std::int32_t k = 0; k <= steps; ++k) {
    if (k > 0) {
      const double turned_c = c * cos_step + s * sin_step;
      s = s * cos_step - c * sin_step;
      c = turned_c;
    }
    samples.add(sample_at(c, s, circle.radius));
  }
  samples.finish();
}

struct StepRange {
  double first = 0.0;
  double last = -1.0;
};

// The steps whose samples can put this mirror's pixel on the screen, from the angles at which
// x and y (as magnitudes along the quarter) lie within the screen widened by the margin.
StepRange steps_near_screen(const Circle& circle, Mirror mirror, double steps, double angle) {
  const double right = circle.width - 1.0;
  const double bottom = circle.height - 1.0;
  double x_low = mirror.sign_x > 0 ? -circle.centre_x : circle.centre_x - right;
  double x_high = mirror.sign_x > 0 ? right - circle.centre_x : circle.centre_x;
  double y_low = mirror.sign_y > 0 ? circle.centre_y - bottom : -circle.centre_y;
  double y_high = mirror.sign_y > 0 ? circle.centre_y : bottom - circle.centre_y;
  x_low = std::max(0.0, x_low - kWindowMarginPixels);
  y_low = std::max(0.0, y_low - kWindowMarginPixels);
  x_high += kWindowMarginPixels;
  y_high += kWindowMarginPixels;
  if (x_high < 0.0 || y_high < 0.0) return {};

  const double r = circle.radius;
  const double from_x = std::acos(std::min(1.0, x_high / r));
  const double to_x = std::acos(std::min(1.0, x_low / r));
  const double from_y = std::asin(std::min(1.0, y_low / r));
  const double to_y = std::asin(std::min(1.0, y_high / r));
  const double first = std::max(0.0, std::floor(std::max(from_x, from_y) / angle) - 2.0);
  const double last = std::min(steps, std::ceil(std::min(to_x, to_y) / angle) + 2.0);
  if (!(std::isfinite(first) && std::isfinite(last))) return {};
  return {first, last};
}

void sample_windows(const Circle& circle, double steps, const PixelSink& plot) {
  const double angle = (std::numbers::pi / 2.0) / steps;
  for (const Mirror& mirror : kMirrors) {
    const StepRange range = steps_near_screen(circle, mirror, steps, angle);
    if (!(range.first <= range.last)) continue;
    HeldBackSamples samples([&](QuarterSample sample) {
      plot_if_on_screen(circle, circle.centre_x + mirror.sign_x * sample.x, circle.centre_y + mirror.sign_y * sample.y,
                        plot);
    });
    const auto count = static_cast<std::int32_t>(std::min(range.last - range.first + 1.0, kMaxWindowSamples));
    for (std::int32_t i = 0; i < count; ++i) {
      const double turned = (range.first + i) * angle;
      samples.add(sample_at(std::cos(turned), -std::sin(turned), circle.radius));
    }
    samples.finish();
  }
}

}  // namespace

void rasterize_circle(double centre_x, double centre_y, double radius, std::int32_t width, std::int32_t height,
                      const PixelSink& plot) {
  if (!(std::isfinite(centre_x) && std::isfinite(centre_y) && std::isfinite(radius) && radius >= 0.0)) return;
  if (misses_screen(centre_x, centre_y, radius, width, height)) return;
  if (screen_inside_ring(centre_x, centre_y, radius, width, height)) return;
  const double steps = std::trunc(2.0 * std::numbers::pi * radius / 4.0 + 0.5);
  if (!std::isfinite(steps)) return;

  const Circle circle{std::round(centre_x), std::round(centre_y), radius, width, height};
  if (steps <= kMaxWholeSteps) {
    sample_whole(circle, static_cast<std::int32_t>(steps), plot);
  } else {
    sample_windows(circle, steps, plot);
  }
}

}  // namespace screen
