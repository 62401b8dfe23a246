// The decimal text of a single-precision number: 7 significant digits, trailing zeros dropped,
// fixed or exponent form, a leading blank for a value that is not negative.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "screen/runtime.h"

namespace screen {

namespace {
constexpr int kSignificantDigits = 7;
constexpr int kLargestFixedExponent = 6;
constexpr int kSmallestFixedLastDigit = -8;  // e - d, the power of ten of the last digit shown
}  // namespace

std::string ScreenRuntime::single_to_text(float value) {
  if (std::isnan(value)) return " NaN";
  const std::string sign = std::signbit(value) && value != 0.0F ? "-" : " ";
  if (std::isinf(value)) return sign + "Inf";
  if (value == 0.0F) return " 0";

  // d.dddddde+XX, correctly rounded to nearest and independent of the locale.
  char scientific[32] = {};
  const auto result = std::to_chars(scientific, scientific + sizeof scientific - 1,
                                    std::fabs(static_cast<double>(value)), std::chars_format::scientific,
                                    kSignificantDigits - 1);
  *result.ptr = '\0';
  std::string digits{scientific[0]};
  digits.append(scientific + 2, kSignificantDigits - 1);
  const int exponent = std::atoi(scientific + kSignificantDigits + 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int significant = static_cast<int>(digits.size());

  std::string body;
  if (exponent <= kLargestFixedExponent && exponent - significant >= kSmallestFixedLastDigit) {
    if (exponent >= 0) {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        body = digits + std::string(whole - digits.size(), '0');
      } else {
        body = digits.substr(0, whole) + "." + digits.substr(whole);
      }
    } else {
      body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;  // no leading 0
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
