// The typed-text rule of the line input: which texts may begin a single-precision number and
// what value each forms. Expected values are float literals, rounded by the compiler.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "screen/number_syntax.h"

namespace {

using screen::single_number_prefix_value;

struct Accepted {
  std::string text;
  float value;
};

std::ostream& operator<<(std::ostream& out, const Accepted& c) { return out << '"' << c.text << '"'; }

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, FormsItsValue) {
  const auto value = single_number_prefix_value(GetParam().text);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, GetParam().value);
}

std::string zeros(std::size_t count) { return std::string(count, '0'); }

INSTANTIATE_TEST_SUITE_P(
    NothingYet, AcceptedText,
    testing::Values(Accepted{"", 0.0F}, Accepted{"-", 0.0F}, Accepted{".", 0.0F}, Accepted{"-.", 0.0F},
                    Accepted{"0", 0.0F}, Accepted{"-0", 0.0F}, Accepted{"0.", 0.0F}, Accepted{".000", 0.0F},
                    Accepted{"&", 0.0F}, Accepted{"&H", 0.0F}, Accepted{"&O", 0.0F}));

INSTANTIATE_TEST_SUITE_P(
    PlainNumbers, AcceptedText,
    testing::Values(Accepted{"24", 24.0F}, Accepted{"5.0000", 5.0F}, Accepted{"-7", -7.0F}, Accepted{"0.5", 0.5F},
                    Accepted{".5", 0.5F}, Accepted{"-0.25", -0.25F}, Accepted{"-.25", -0.25F},
                    Accepted{"12.", 12.0F}, Accepted{"0.1", 0.1F}, Accepted{"123456789", 123456789.0F},
                    Accepted{"16777217", 16777216.0F}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, AcceptedText,
    testing::Values(Accepted{"1e3", 1000.0F}, Accepted{"1E3", 1000.0F}, Accepted{"2E", 2.0F},
                    Accepted{"2E+", 2.0F}, Accepted{"1.5e-", 1.5F}, Accepted{"2E+2", 200.0F},
                    Accepted{"2e-2", 0.02F}, Accepted{".5E1", 5.0F}, Accepted{"5.0E1", 50.0F},
                    Accepted{"0.05e1", 0.5F}, Accepted{"-3E2", -300.0F},
                    Accepted{"1E" + zeros(40) + "38", 1E38F}, Accepted{"1E-" + zeros(250), 1.0F}));

// With a point: eight digits before and after it together, with the two exemptions.
INSTANTIATE_TEST_SUITE_P(
    DigitsWithPoint, AcceptedText,
    testing::Values(Accepted{"12345678.", 12345678.0F}, Accepted{"1234.5678", 1234.5678F},
                    Accepted{"12345678.0", 12345678.0F}, Accepted{"12345678.0E2", 1234567800.0F},
                    Accepted{".12345678", 0.12345678F}, Accepted{"0.1234567", 0.1234567F},
                    Accepted{".00012345678", 0.00012345678F}, Accepted{"0.0000001", 1E-7F},
                    Accepted{"." + zeros(43), 0.0F}, Accepted{"." + zeros(43) + "1", 1E-44F},
                    Accepted{"." + zeros(36) + "12345678", 1.2345678E-37F}));

// The first significant digit at position 39 and -44, the edges of the single range.
INSTANTIATE_TEST_SUITE_P(
    RangeEdges, AcceptedText,
    testing::Values(Accepted{"3402823" + zeros(32), 3.402823E38F}, Accepted{"1" + zeros(38), 1E38F},
                    Accepted{"3.402823E38", 3.402823E38F}, Accepted{"-3.402823E38", -3.402823E38F},
                    Accepted{"9E37", 9E37F}, Accepted{"1E38", 1E38F},
                    Accepted{"1.401298E-45", std::numeric_limits<float>::denorm_min()},
                    Accepted{"2E-45", std::numeric_limits<float>::denorm_min()},
                    Accepted{"1401298E-51", std::numeric_limits<float>::denorm_min()},
                    Accepted{"1E-44", 1E-44F}, Accepted{"-1.5E-45", -std::numeric_limits<float>::denorm_min()}));

// 1.5 times the smallest single, digit for digit: the tie goes to the even neighbour, twice the
// smallest; one unit less in the last digit goes down, which a detour through a double misses.
const std::string kTieAboveSmallest =
    "2101947696487225606385594374934874196920392912814773657635602425834686624028790902229957282543182373046875";

INSTANTIATE_TEST_SUITE_P(
    SmallestSingles, AcceptedText,
    testing::Values(Accepted{kTieAboveSmallest + "E-150", 2 * std::numeric_limits<float>::denorm_min()},
                    Accepted{"-" + kTieAboveSmallest + "E-150", -2 * std::numeric_limits<float>::denorm_min()},
                    Accepted{kTieAboveSmallest.substr(0, 105) + "4E-150", std::numeric_limits<float>::denorm_min()},
                    Accepted{kTieAboveSmallest + "1E-151", 2 * std::numeric_limits<float>::denorm_min()}));

// Digits past the seventh can carry an accepted value to or beyond the midpoint between the
// largest single and 2^128: such a value rounds to an infinity of its sign, one below it to the
// largest single. The 39-digit rows sit at the midpoint and one unit from it; one unit below,
// a detour through a double or a long double reaches the midpoint and rounds up to infinity.
constexpr float kLargest = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
const std::string kMidpointAboveLargest = "340282356779733661637539395458142568448";  // 2^128 - 2^103

INSTANTIATE_TEST_SUITE_P(
    PastTheLargestSingle, AcceptedText,
    testing::Values(Accepted{"3.4028234E38", kLargest}, Accepted{"3.4028235E38", kLargest},
                    Accepted{"-3.4028235E38", -kLargest}, Accepted{"3.4028236E38", kInfinity},
                    Accepted{"-3.4028236E38", -kInfinity}, Accepted{"3.4028239E38", kInfinity},
                    Accepted{"34028239" + zeros(31), kInfinity}, Accepted{"-3402823999" + zeros(29), -kInfinity},
                    Accepted{"340282356779733661637539395458142568447", kLargest},
                    Accepted{"-340282356779733661637539395458142568447", -kLargest},
                    Accepted{kMidpointAboveLargest, kInfinity}, Accepted{"-" + kMidpointAboveLargest, -kInfinity},
                    Accepted{"340282356779733661637539395458142568449", kInfinity},
                    Accepted{"340282366920938463463374607431768211456", kInfinity},
                    Accepted{"-340282366920938463463374607431768211456", -kInfinity}));

// &H and &O are the non-negative whole numbers their digits denote, rounded once to a single:
// 22 octal digits reach 66 bits. 2^63 + 2^39 + 1 and 2^65 + 2^41 + 1 lie just above a midpoint
// that a double, or a long double, reaches first and then rounds down to even.
INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, AcceptedText,
    testing::Values(Accepted{"&HFF", 255.0F}, Accepted{"&hff", 255.0F}, Accepted{"&Ha0", 160.0F},
                    Accepted{"&O17", 15.0F}, Accepted{"&o777", 511.0F}, Accepted{"&H0010", 16.0F},
                    Accepted{"&HFFFF", 65535.0F}, Accepted{"&HFFFFFFFF", 4294967295.0F},
                    Accepted{"&HFFFFFFFFFFFFFFFF", 0x1p64F}, Accepted{"&H8000000000000000", 0x1p63F},
                    Accepted{"&H7FFFFFFFFFFFFFFF", 0x1p63F}, Accepted{"&H8000008000000000", 0x1p63F},
                    Accepted{"&H8000008000000001", 0x1.000002p63F}, Accepted{"&H8000018000000000", 0x1.000004p63F},
                    Accepted{"&O1777777777777777777777", 0x1p64F}, Accepted{"&O2000000000000000000000", 0x1p64F},
                    Accepted{"&O7777777777777777777777", 0x1p66F}, Accepted{"&O0000000000000000000017", 15.0F},
                    Accepted{"&O4000000040000000000000", 0x1p65F},
                    Accepted{"&O4000000040000000000001", 0x1.000002p65F}));

class RefusedText : public testing::TestWithParam<std::string> {};

TEST_P(RefusedText, IsNoBeginningOfANumber) {
  EXPECT_FALSE(single_number_prefix_value(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(ForeignCharacters, RefusedText,
                         testing::Values("+", "+5", " ", "5 ", " 5", "a", "5x", "--5", "5-", "1,5", "\t",
                                         "5D", "5d", "5D2", "1E5E", "1e5.", "1.5.", "..", "-&H1", "&X", "&H1G",
                                         "&O8", "&H-1", "&-", "H1", std::string(1, '\0')));

INSTANTIATE_TEST_SUITE_P(LeadingZeroAndExponentPlace, RefusedText,
                         testing::Values("00", "05", "-05", "0e", "0E1", "E", "e", "-E", ".E", ".e5", "1.E",
                                         "5.e2", "0.0E", "-0.00e1", "1E-+", "1E--", "1E+-5", "1E5+"));

INSTANTIATE_TEST_SUITE_P(DigitsWithPoint, RefusedText,
                         testing::Values("123456789.", "1234567.89", "12345678.00", "12345678.01",
                                         "0.12345678", ".123456789", "0.00000001", "1.00000000",
                                         "." + zeros(44), "." + zeros(44) + "1", "." + zeros(36) + "123456789"));

INSTANTIATE_TEST_SUITE_P(RangeEdges, RefusedText,
                         testing::Values("1" + zeros(39), "3402824" + zeros(32), "4" + zeros(38), "4E38",
                                         "3.402824E38", "1E39", "10E38", ".1E40", "1E-45", "1.4E-45",
                                         "1.401297E-45", "7E-46", ".1E-44", "1E-" + zeros(200) + "45",
                                         "1E" + zeros(200) + "39"));

INSTANTIATE_TEST_SUITE_P(LongRadixNumbers, RefusedText,
                         testing::Values("&H" + std::string(17, 'F'), "&O" + std::string(23, '1'),
                                         "&H" + zeros(17)));

// Each beginning of an accepted text is itself accepted, so text can be typed one key at a time.
TEST(NumberSyntax, EveryBeginningOfAnAcceptedTextIsAccepted) {
  const std::vector<std::string> texts = {"-12345.678E-3", "1.401298E-45", "3402823" + zeros(32), "&O1777777777777777777777",
                                          "." + zeros(43) + "1", "12345678.0E+12"};
  for (const std::string& text : texts) {
    for (std::size_t length = 0; length <= text.size(); ++length) {
      EXPECT_TRUE(single_number_prefix_value(text.substr(0, length)).has_value()) << text.substr(0, length);
    }
  }
}

}  // namespace
