// Placeholder until line and circle drawing land: only the graphics cursor moves.
#include "screen/runtime.h"

namespace screen {

void ScreenRuntime::draw_line(float /*x1*/, float /*y1*/, float x2, float y2, std::int32_t /*colour*/,
                              std::int32_t /*box*/, std::uint16_t /*style*/, std::int32_t /*given*/) {
  if (error_pending()) return;
  graphics_cursor_ = GraphicsCursor{x2, y2};
}

void ScreenRuntime::draw_circle(double x, double y, double /*r*/, std::int32_t /*colour*/, double /*start*/,
                                double /*end*/, double /*aspect*/, std::int32_t /*given*/) {
  if (error_pending()) return;
  graphics_cursor_ = GraphicsCursor{static_cast<float>(x), static_cast<float>(y)};
}

}  // namespace screen
