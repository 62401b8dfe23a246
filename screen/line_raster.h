#pragma once
// The pixels of a styled line between two whole-pixel points, clipped to the screen.
#include <cstdint>

#include "screen/pixel_sink.h"

namespace screen {

// A point in whole pixels; finite, possibly far off the screen.
struct PixelPoint {
  double x = 0.0;
  double y = 0.0;
};

// Walks from `from` to `to` along the major axis (x when |dx| > |dy|, otherwise y), one pixel
// per step, |d| + 1 pixels; the other coordinate follows a single-precision accumulator that
// starts at `from` and grows by dminor / |dmajor| per step, rounded half away from zero.
// The style's most significant bit governs the pixel at `from` and the pattern repeats every
// 16 pixels, also across pixels cut off by the screen edge. Calls plot for every pixel that
// lies on the width x height screen and whose style bit is set.
void rasterize_line(PixelPoint from, PixelPoint to, std::uint16_t style, std::int32_t width, std::int32_t height,
                    const PixelSink& plot);

}  // namespace screen
