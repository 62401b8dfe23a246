// Numeric conversions and the array-index check. None of them is undefined for NaN,
// infinities or huge values: every float-to-integer conversion is range-checked first.
#include <cmath>

#include "screen/rounding.h"
#include "screen/runtime.h"

namespace screen {

std::int16_t ScreenRuntime::round_double_to_int16(double value) {
  if (!(value >= -32768.5 && value < 32767.5)) {
    raise_error(kOverflow);
    return 0;
  }
  // Ties to even whatever the rounding mode, so the result always fits.
  return static_cast<std::int16_t>(round_half_even(value));
}

std::int64_t ScreenRuntime::round_extended_to_int64(long double value) {
  constexpr std::int64_t kIndefinite = INT64_MIN;
  if (std::isnan(value)) return kIndefinite;
  const long double rounded = std::nearbyintl(value);  // ties to even
  if (rounded < -9223372036854775808.0L || rounded >= 9223372036854775808.0L) return kIndefinite;
  return static_cast<std::int64_t>(rounded);
}

double ScreenRuntime::floor(double value) { return std::floor(value); }

std::uint32_t ScreenRuntime::check_array_index(std::uint32_t index, std::uint32_t count) {
  if (index < count) return index;
  raise_error(kSubscriptOutOfRange);
  return 0;
}

}  // namespace screen
