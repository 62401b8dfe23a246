// The decimal text of a single-precision number: 7 significant digits, trailing zeros dropped,
// fixed or exponent form, a leading blank for a value that is not negative.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "screen/runtime.h"

namespace screen {

std::string ScreenRuntime::single_to_text(float value) {
  const std::string sign = std::signbit(value) && value != 0.0F ? "-" : " ";
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return sign + "Inf";
  if (value == 0.0F) return " 0";

  // d.dddddde+XX: seven significant digits, rounded to nearest.
  char scientific[32];
  std::snprintf(scientific, sizeof scientific, "%.6e", std::fabs(static_cast<double>(value)));
  std::string digits{scientific[0]};
  digits.append(scientific + 2, 6);
  const int exponent = std::atoi(scientific + 9);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int significant = static_cast<int>(digits.size());

  std::string body;
  if (exponent <= 6 && exponent - significant >= -8) {
    if (exponent >= 0) {
      body = digits.substr(0, std::min<std::size_t>(digits.size(), static_cast<std::size_t>(exponent) + 1));
      if (significant <= exponent) body.append(static_cast<std::size_t>(exponent + 1 - significant), '0');
      if (significant > exponent + 1) body += "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
      body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;  // leading 0 dropped
    }
  } else {
    body = digits.substr(0, 1);
    if (significant > 1) body += "." + digits.substr(1);
    const int magnitude = std::abs(exponent);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%0*d", exponent < 0 ? '-' : '+', magnitude >= 100 ? 3 : 2, magnitude);
    body += tail;
  }
  return sign + body;
}

}  // namespace screen
