#pragma once
// A mode-12 screen for drawing tests and small builders of expected pixel sets.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>
#include <utility>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace drawing_support {

using Pixel = std::pair<std::int32_t, std::int32_t>;  // x, y
using PixelSet = std::set<Pixel>;

inline PixelSet row(std::int32_t y, std::int32_t x_from, std::int32_t x_to) {
  PixelSet pixels;
  for (std::int32_t x = x_from; x <= x_to; ++x) pixels.insert({x, y});
  return pixels;
}

inline PixelSet column(std::int32_t x, std::int32_t y_from, std::int32_t y_to) {
  PixelSet pixels;
  for (std::int32_t y = y_from; y <= y_to; ++y) pixels.insert({x, y});
  return pixels;
}

inline PixelSet unite(std::initializer_list<PixelSet> parts) {
  PixelSet pixels;
  for (const PixelSet& part : parts) pixels.insert(part.begin(), part.end());
  return pixels;
}

// The four mirror images around (cx, cy) of offsets given for one quarter.
inline PixelSet mirrored(std::int32_t cx, std::int32_t cy, std::initializer_list<Pixel> quarter) {
  PixelSet pixels;
  for (const auto& [dx, dy] : quarter) {
    pixels.insert({cx + dx, cy + dy});
    pixels.insert({cx - dx, cy + dy});
    pixels.insert({cx - dx, cy - dy});
    pixels.insert({cx + dx, cy - dy});
  }
  return pixels;
}

inline PixelSet on_screen(const PixelSet& pixels) {
  PixelSet kept;
  for (const auto& [x, y] : pixels) {
    if (x >= 0 && x < 640 && y >= 0 && y < 480) kept.insert({x, y});
  }
  return kept;
}

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() { rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode); }

  // Every pixel that is not colour 0.
  PixelSet lit() const {
    PixelSet pixels;
    const screen::ScreenImage& image = rt.image();
    for (std::int32_t y = 0; y < image.height; ++y) {
      for (std::int32_t x = 0; x < image.width; ++x) {
        if (image.at(x, y) != 0) pixels.insert({x, y});
      }
    }
    return pixels;
  }

  std::uint8_t colour_at(Pixel pixel) const { return rt.image().at(pixel.first, pixel.second); }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
};

}  // namespace drawing_support
