#include "screen/number_syntax.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace screen {

namespace {
constexpr std::size_t kMostHexDigits = 16;
constexpr std::size_t kMostOctalDigits = 22;
constexpr std::size_t kMostDigitsWithPoint = 8;
constexpr std::size_t kMostZerosAfterPoint = 43;
constexpr int kHighestPosition = 39;
constexpr long kHighestLeadingDigits = 3402823;
constexpr int kLowestPosition = -44;
constexpr long kLowestLeadingDigits = 1401298;
constexpr std::size_t kLeadingDigitCount = 7;
constexpr long kExponentCap = 1000000;  // far beyond any accepted position

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int radix_digit(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

__extension__ typedef unsigned __int128 WholeBits;  // holds 22 octal digits, 66 bits

std::optional<float> radix_value(std::string_view digits, int bits_per_digit, std::size_t most_digits) {
  if (digits.size() > most_digits) return std::nullopt;
  WholeBits whole = 0;
  for (const char c : digits) {
    const int digit = radix_digit(c);
    if (digit < 0 || digit >= (1 << bits_per_digit)) return std::nullopt;
    whole = (whole << bits_per_digit) | static_cast<WholeBits>(digit);
  }
  return static_cast<float>(whole);  // the exact whole number, rounded to nearest once
}

std::optional<float> ampersand_value(std::string_view typed) {
  if (typed.size() == 1) return 0.0F;
  const std::string_view digits = typed.substr(2);
  switch (typed[1]) {
    case 'H':
    case 'h': return radix_value(digits, 4, kMostHexDigits);
    case 'O':
    case 'o': return radix_value(digits, 3, kMostOctalDigits);
    default: return std::nullopt;
  }
}

struct DecimalParts {
  std::string_view integer;
  bool has_point = false;
  std::string_view fraction;
  bool has_exponent = false;
  bool exponent_negative = false;
  std::string_view exponent;
};

std::string_view take_digits(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && is_digit(text[at])) ++at;
  return text.substr(start, at - start);
}

std::optional<DecimalParts> split_decimal(std::string_view text) {
  DecimalParts parts;
  std::size_t at = 0;
  parts.integer = take_digits(text, at);
  if (at < text.size() && text[at] == '.') {
    parts.has_point = true;
    ++at;
    parts.fraction = take_digits(text, at);
  }
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    parts.has_exponent = true;
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
      parts.exponent_negative = text[at] == '-';
      ++at;
    }
    parts.exponent = take_digits(text, at);
  }
  if (at != text.size()) return std::nullopt;
  return parts;
}

std::size_t leading_zeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? digits.size() : first;
}

long capped_exponent(const DecimalParts& parts) {
  long value = 0;
  for (const char c : parts.exponent) value = std::min(value * 10 + (c - '0'), kExponentCap);
  return parts.exponent_negative ? -value : value;
}

bool digit_count_fits(const DecimalParts& parts) {
  if (!parts.has_point) return true;
  if (leading_zeros(parts.fraction) > kMostZerosAfterPoint) return false;
  std::size_t fraction_count = parts.fraction.size();
  if (parts.fraction == "0") {
    fraction_count = 0;
  } else if (parts.integer.empty()) {
    fraction_count -= leading_zeros(parts.fraction);
  }
  return parts.integer.size() + fraction_count <= kMostDigitsWithPoint;
}

bool magnitude_fits(const DecimalParts& parts) {
  const std::string significant = std::string(parts.integer) + std::string(parts.fraction);
  const std::size_t first = significant.find_first_not_of('0');
  if (first == std::string::npos) return true;  // zero
  const bool integer_significant = !parts.integer.empty() && parts.integer[0] != '0';
  const long mantissa_position = integer_significant ? static_cast<long>(parts.integer.size())
                                                     : -static_cast<long>(leading_zeros(parts.fraction));
  const long position = mantissa_position + capped_exponent(parts);
  if (position > kHighestPosition || position < kLowestPosition) return false;
  std::string leading = significant.substr(first, kLeadingDigitCount);
  leading.resize(kLeadingDigitCount, '0');
  const long leading_digits = std::stol(leading);
  if (position == kHighestPosition && leading_digits > kHighestLeadingDigits) return false;
  if (position == kLowestPosition && leading_digits < kLowestLeadingDigits) return false;
  return true;
}

bool decimal_valid(const DecimalParts& parts) {
  if (!parts.integer.empty() && parts.integer[0] == '0') {
    if (parts.integer.size() > 1) return false;  // a first 0 is followed only by the point
    if (!parts.has_point && parts.has_exponent) return false;
  }
  if (parts.has_exponent) {
    const bool significant = parts.integer.find_first_not_of('0') != std::string_view::npos ||
                             parts.fraction.find_first_not_of('0') != std::string_view::npos;
    if (!significant) return false;
    if (parts.has_point && parts.fraction.empty()) return false;
  }
  return digit_count_fits(parts) && magnitude_fits(parts);
}

// The number the text forms so far; texts that form none yet ("-", ".") give 0.
float decimal_value(std::string_view typed) {
  const char* const begin = typed.data();
  const char* const end = begin + typed.size();
  float value = 0.0F;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec == std::errc::invalid_argument) return 0.0F;
  if (result.ec == std::errc::result_out_of_range) {
    // The correctly rounded single is infinite or zero: digits beyond the seventh carried an
    // accepted value to the midpoint above the largest single or past it. The double only tells
    // a huge value from a tiny one.
    double wide = 0.0;
    std::from_chars(begin, end, wide);
    const float magnitude = std::fabs(wide) > 1.0 ? std::numeric_limits<float>::infinity() : 0.0F;
    return typed.front() == '-' ? -magnitude : magnitude;
  }
  return value;
}
}  // namespace

std::optional<float> single_number_prefix_value(std::string_view typed) {
  if (!typed.empty() && typed[0] == '&') return ampersand_value(typed);
  const std::string_view unsigned_part = !typed.empty() && typed[0] == '-' ? typed.substr(1) : typed;
  const auto parts = split_decimal(unsigned_part);
  if (!parts || !decimal_valid(*parts)) return std::nullopt;
  return decimal_value(typed);
}

}  // namespace screen
