#pragma once
// Roundings and narrowings of numbers. They work in double precision and do not depend
// on the processor's rounding mode, so any value, huge or not a number, is safe to pass.
#include <cfloat>
#include <cmath>
#include <limits>

namespace screen {

// The nearest whole number, ties to even (2.5 gives 2, 3.5 gives 4, -0.5 gives 0).
inline double round_half_even(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  if (rest > 0.5) return down + 1.0;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// A double as a float; values beyond the float range become infinities instead of
// undefined conversions.
inline float narrow_to_float(double value) {
  if (value > static_cast<double>(FLT_MAX)) return std::numeric_limits<float>::infinity();
  if (value < -static_cast<double>(FLT_MAX)) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace screen
