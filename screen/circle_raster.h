#pragma once
// The pixels of a full circle, clipped to the screen.
#include <cstdint>

#include "screen/pixel_sink.h"

namespace screen {

// Draws the circle around (centre_x, centre_y), unrounded, with `radius` in pixels (>= 0).
// Nothing is drawn when the circle widened by half a pixel misses the screen, when the screen
// lies wholly inside the ring, or when a value is not finite. Otherwise a quarter circle is
// sampled in n = int(2 pi radius / 4 + 0.5) steps of a turning unit vector, thinned by
// HeldBackSamples, and each plotted sample lights its four mirror pixels around the centre
// rounded half away from zero. Circles too big to sample whole are sampled only where they
// can reach the screen.
void rasterize_circle(double centre_x, double centre_y, double radius, std::int32_t width, std::int32_t height,
                      const PixelSink& plot);

}  // namespace screen
