#pragma once
// Readable sizes, rectangles and placements in the failure messages of the app tests.
#include <ostream>

#include "app/picture_placement.h"

namespace app {

inline void PrintTo(const Size& size, std::ostream* out) { *out << size.width << " x " << size.height; }

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << rect.width << " x " << rect.height << " at (" << rect.x << ", " << rect.y << ")";
}

inline void PrintTo(const Placement& placement, std::ostream* out) {
  PrintTo(placement.picture, out);
  *out << (placement.linear ? ", linear" : ", nearest");
}

}  // namespace app
