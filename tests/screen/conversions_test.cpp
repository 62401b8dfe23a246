// Numeric conversions, the array-index check and the error latch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

class Conversions : public ::testing::Test {
 protected:
  std::int32_t pending() const { return rt.words.pending_error.load(); }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct Int16Case {
  double value = 0.0;
  std::int16_t expected = 0;
};

TEST_F(Conversions, RoundDoubleToInt16RoundsTiesToEven) {
  const std::vector<Int16Case> cases = {
      {2.5, 2},      {18.5, 18},    {5.5, 6},       {3.5, 4},       {-2.5, -2},
      {-3.5, -4},    {0.5, 0},      {-0.5, 0},      {2.4, 2},       {2.6, 3},
      {-2.6, -3},    {0.49999999999999994, 0},      {-32768.5, -32768},
      {-32767.5, -32768},           {32766.5, 32766}, {32767.499999999996, 32767}, {-1e-300, 0},
  };
  for (const Int16Case& c : cases) {
    EXPECT_EQ(rt.round_double_to_int16(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(pending(), 0);
}

TEST_F(Conversions, RoundDoubleToInt16RefusesValuesOutOfRange) {
  const double just_below_lowest = std::nextafter(-32768.5, -kInf);
  for (const double value : {32767.5, 32768.0, just_below_lowest, -40000.0, 1e300, kInf, -kInf, kNaN}) {
    screen::HeadlessPlatform platform;
    screen::ScreenRuntime fresh(platform);
    EXPECT_EQ(fresh.round_double_to_int16(value), 0) << value;
    EXPECT_EQ(fresh.words.pending_error.load(), screen::kOverflow) << value;
    EXPECT_EQ(fresh.words.event_flag.load(), 1) << value;
  }
}

TEST_F(Conversions, RoundDoubleToInt16WorksWhileAnErrorIsPending) {
  rt.raise_error(screen::kSubscriptOutOfRange);
  EXPECT_EQ(rt.round_double_to_int16(18.5), 18);
  EXPECT_EQ(rt.round_double_to_int16(1e9), 0);
  EXPECT_EQ(pending(), screen::kSubscriptOutOfRange);
}

struct Int64Case {
  long double value = 0.0L;
  std::int64_t expected = 0;
};

TEST(RoundExtendedToInt64, RoundsTiesToEvenWithinRange) {
  const long double two_to_63 = 9223372036854775808.0L;
  const std::vector<Int64Case> cases = {
      {2.5L, 2},
      {3.5L, 4},
      {-2.5L, -2},
      {-3.5L, -4},
      {0.5L, 0},
      {1.5L, 2},
      {-0.4L, 0},
      {7.25L, 7},
      {1000.75L, 1001},
      {two_to_63 - 1.0L, INT64_MAX},
      {two_to_63 - 1.5L, INT64_MAX - 1},
      {-two_to_63, INT64_MIN},
  };
  for (const Int64Case& c : cases) {
    EXPECT_EQ(screen::ScreenRuntime::round_extended_to_int64(c.value), c.expected) << static_cast<double>(c.value);
  }
}

TEST(RoundExtendedToInt64, GivesTheLowestValueWithLowBitsZeroWhenOutOfRange) {
  const long double two_to_63 = 9223372036854775808.0L;
  const long double inf = std::numeric_limits<long double>::infinity();
  for (const long double value : {std::numeric_limits<long double>::quiet_NaN(), inf, -inf, two_to_63,
                                  two_to_63 - 0.5L, -two_to_63 - 1.0L, 1e30L, -1e30L}) {
    const std::int64_t result = screen::ScreenRuntime::round_extended_to_int64(value);
    EXPECT_EQ(result, INT64_MIN) << static_cast<double>(value);
    EXPECT_EQ(static_cast<std::uint32_t>(result), 0U);
  }
}

TEST(Floor, RoundsDown) {
  const std::vector<std::pair<double, double>> cases = {
      {2.5, 2.0}, {-2.5, -3.0}, {3.0, 3.0}, {-0.25, -1.0}, {0.999, 0.0}, {1e300, 1e300}, {-kInf, -kInf}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(screen::ScreenRuntime::floor(value), expected) << value;
  EXPECT_TRUE(std::isnan(screen::ScreenRuntime::floor(kNaN)));
}

TEST_F(Conversions, CheckArrayIndexPassesIndicesBelowTheCount) {
  for (const std::uint32_t index : {0U, 1U, 500U, 1000U}) EXPECT_EQ(rt.check_array_index(index, 1001), index);
  EXPECT_EQ(pending(), 0);
  EXPECT_EQ(rt.words.event_flag.load(), 0);
}

TEST_F(Conversions, CheckArrayIndexRefusesTheCountAndBeyond) {
  // 0xFFFFFFFF is index -1 after the conversion's low 32 bits.
  for (const std::uint32_t index : {1001U, 1002U, 0x80000000U, 0xFFFFFFFFU}) {
    screen::HeadlessPlatform platform;
    screen::ScreenRuntime fresh(platform);
    EXPECT_EQ(fresh.check_array_index(index, 1001), 0U) << index;
    EXPECT_EQ(fresh.words.pending_error.load(), screen::kSubscriptOutOfRange) << index;
    EXPECT_EQ(fresh.words.event_flag.load(), 1) << index;
  }
}

TEST_F(Conversions, CheckArrayIndexWorksWhileAnErrorIsPending) {
  rt.raise_error(screen::kOverflow);
  EXPECT_EQ(rt.check_array_index(7, 1001), 7U);
  EXPECT_EQ(rt.check_array_index(2000, 1001), 0U);
  EXPECT_EQ(pending(), screen::kOverflow);
}

TEST_F(Conversions, RaiseErrorKeepsTheFirstError) {
  rt.raise_error(screen::kOverflow);
  EXPECT_EQ(pending(), screen::kOverflow);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
  rt.raise_error(screen::kSubscriptOutOfRange);
  rt.raise_error(0);
  EXPECT_EQ(pending(), screen::kOverflow);
}

TEST(RaiseError, CodesBelowOneBecomeIllegalFunctionCall) {
  for (const std::int32_t code : {0, -1, INT32_MIN}) {
    screen::HeadlessPlatform platform;
    screen::ScreenRuntime rt(platform);
    rt.raise_error(code);
    EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall) << code;
    EXPECT_EQ(rt.words.event_flag.load(), 1) << code;
  }
}

}  // namespace
