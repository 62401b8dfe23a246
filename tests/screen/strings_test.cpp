// String operations of the program: a character from its code, and string equality.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

struct CharCase {
  std::int32_t code;
  std::string expected;
};

class CharString : public testing::TestWithParam<CharCase> {};

TEST_P(CharString, GivesOneCharacterWithThatCode) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_EQ(rt.char_string(GetParam().code), GetParam().expected);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, CharString,
                         testing::Values(CharCase{0, std::string(1, '\0')}, CharCase{43, "+"}, CharCase{45, "-"},
                                         CharCase{65, "A"}, CharCase{128, "\x80"}, CharCase{255, "\xFF"}));

class BadCharCode : public testing::TestWithParam<std::int32_t> {};

TEST_P(BadCharCode, RaisesError5AndGivesTheEmptyString) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_EQ(rt.char_string(GetParam()), "");
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
}

INSTANTIATE_TEST_SUITE_P(Codes, BadCharCode, testing::Values(-1, 256, 300, INT_MIN, INT_MAX));

TEST(CharStringWhileAnErrorIsPending, StillActsAndKeepsTheFirstError) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  rt.raise_error(screen::kSubscriptOutOfRange);
  EXPECT_EQ(rt.char_string(45), "-");
  EXPECT_EQ(rt.char_string(256), "");
  EXPECT_EQ(rt.words.pending_error.load(), screen::kSubscriptOutOfRange);
}

struct Comparison {
  std::string a;
  std::string b;
  std::int32_t expected;
};

class StringsEqual : public testing::TestWithParam<Comparison> {};

TEST_P(StringsEqual, IsMinusOneForTheSameBytesElseZero) {
  EXPECT_EQ(screen::ScreenRuntime::strings_equal(GetParam().a, GetParam().b), GetParam().expected);
  EXPECT_EQ(screen::ScreenRuntime::strings_equal(GetParam().b, GetParam().a), GetParam().expected);
}

const std::string kExtendedF1{'\0', '\x3B'};
const std::string kExtendedF2{'\0', '\x3C'};

INSTANTIATE_TEST_SUITE_P(Pairs, StringsEqual,
                         testing::Values(Comparison{"", "", -1}, Comparison{"-", "-", -1}, Comparison{"-", "+", 0},
                                         Comparison{"-", "", 0}, Comparison{"ab", "abc", 0},
                                         Comparison{std::string(1, '\0'), "", 0},
                                         Comparison{kExtendedF1, kExtendedF1, -1},
                                         Comparison{kExtendedF1, kExtendedF2, 0},
                                         Comparison{kExtendedF1, std::string(1, '\0'), 0}));

}  // namespace
