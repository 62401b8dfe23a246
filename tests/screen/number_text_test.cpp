#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "screen/runtime.h"

namespace {

using screen::ScreenRuntime;

struct NumberCase {
  const char* name;
  float value;
  const char* text;
};

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, GivesTheDecimalText) {
  EXPECT_EQ(ScreenRuntime::single_to_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    ::testing::Values(
        NumberCase{"one", 1.0F, " 1"}, NumberCase{"hundred", 100.0F, " 100"},
        NumberCase{"million", 1e6F, " 1000000"}, NumberCase{"trailing_zeros_kept_left_of_point", 1234500.0F, " 1234500"},
        NumberCase{"two_decimals", 6.25F, " 6.25"}, NumberCase{"half", 0.5F, " .5"},
        NumberCase{"thousandth", 0.001F, " .001"}, NumberCase{"sixteenth", 0.0625F, " .0625"},
        NumberCase{"seven_digits_integer", 1234567.0F, " 1234567"},
        NumberCase{"seven_digits_with_point", 123456.7F, " 123456.7"},
        NumberCase{"eighth_digit_rounded", 12345678.0F, " 1.234568E+07"},
        NumberCase{"half_at_eighth_digit", 1234567.5F, " 1234568"},
        NumberCase{"ten_million", 1e7F, " 1E+07"},
        NumberCase{"small_two_digits", 1.5e-8F, " 1.5E-08"}, NumberCase{"large_power", 1e30F, " 1E+30"},
        NumberCase{"third", 1.0F / 3.0F, " .3333333"}, NumberCase{"belt_of_25_slots", 25.0F / 12.0F, " 2.083333"},
        NumberCase{"fixed_down_to_eighth_decimal", 0.1234567F, " .1234567"},
        NumberCase{"exponent_when_last_digit_too_small", 0.01234567F, " 1.234567E-02"},
        NumberCase{"ten_millionth_is_fixed", 1e-7F, " .0000001"},
        NumberCase{"below_ten_millionth_is_exponent", 1.5e-7F, " 1.5E-07"},
        NumberCase{"minus_quarter", -0.25F, "-.25"}, NumberCase{"minus_six", -6.0F, "-6"},
        NumberCase{"minus_small", -1e-10F, "-1E-10"},
        NumberCase{"zero", 0.0F, " 0"}, NumberCase{"negative_zero", -0.0F, " 0"},
        NumberCase{"largest", FLT_MAX, " 3.402823E+38"}, NumberCase{"most_negative", -FLT_MAX, "-3.402823E+38"},
        NumberCase{"smallest_normal", FLT_MIN, " 1.175494E-38"},
        NumberCase{"smallest_subnormal", std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
        // 9999999.5 is stored as 10000000; 1e11 is stored as 99999997952, whose seven digits
        // round up into the next decade; 0.01 is stored as 0.0099999998 and 1e-8 below 1e-8.
        NumberCase{"stored_as_next_decade", static_cast<float>(9999999.5), " 1E+07"},
        NumberCase{"digits_round_into_next_decade", 99999997952.0F, " 1E+11"},
        NumberCase{"hundredth_rounds_up", 0.01F, " .01"},
        NumberCase{"hundred_millionth_rounds_up", 1e-8F, " 1E-08"},
        NumberCase{"plus_infinity", std::numeric_limits<float>::infinity(), " Inf"},
        NumberCase{"minus_infinity", -std::numeric_limits<float>::infinity(), "-Inf"},
        NumberCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), " NaN"},
        NumberCase{"negative_not_a_number", -std::numeric_limits<float>::quiet_NaN(), " NaN"}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

// Over a spread of finite floats: the text has the documented shape, at most 13 characters,
// and reads back as the value within half a unit of its seventh significant digit.
TEST(NumberTextShape, EveryFiniteValueReadsBackWithinSevenDigits) {
  const std::regex fixed(R"([ -]([1-9][0-9]*(\.[0-9]*[1-9])?|\.0*[1-9]([0-9]*[1-9])?|0))");
  const std::regex exponent(R"([ -][1-9](\.[0-9]*[1-9])?E[+-][0-9]{2})");
  int checked = 0;
  for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFULL; bits += 999983ULL) {
    const auto pattern = static_cast<std::uint32_t>(bits);
    float value = 0.0F;
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = ScreenRuntime::single_to_text(value);
    ASSERT_LE(text.size(), 13U) << text;
    ASSERT_TRUE(std::regex_match(text, fixed) || std::regex_match(text, exponent)) << text;
    ASSERT_EQ(text[0] == '-', value < 0.0F) << text;
    std::string digits;
    for (char c : text.substr(0, text.find('E'))) {
      if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits += c;
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    ASSERT_LE(digits.size(), 7U) << text;
    const double back = std::strtod(text.c_str(), nullptr);
    const double magnitude = std::fabs(static_cast<double>(value));
    if (magnitude == 0.0) {
      ASSERT_EQ(back, 0.0);
    } else {
      const double leading_power = std::pow(10.0, std::floor(std::log10(magnitude)));
      ASSERT_LE(std::fabs(back - static_cast<double>(value)), 0.5000001e-6 * leading_power)
          << text << " for " << value;
    }
    ++checked;
  }
  EXPECT_GT(checked, 4000);
}

}  // namespace
