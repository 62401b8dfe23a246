#pragma once
// Pure rules of the phase tracing, evaluated in extended precision.
#include "scheme/main_module.h"
#include "screen/runtime.h"

namespace scheme {

// Pixel centre of a traced position from its text column and row (either may be fractional).
inline ext centre_x_of_column(ext column) { return column * 640 / 80 + 5; }
inline ext centre_y_of_row(ext row) { return row * 480 / 30 - 7; }

// floor(value / 2) * 2, rounded to single precision: equals the value exactly when it is even.
inline ext doubled_half(float value) {
  return X(static_cast<float>(static_cast<ext>(screen::ScreenRuntime::floor(static_cast<double>(X(value) / 2))) * 2));
}

}  // namespace scheme
