#pragma once
// The text typed into a line input, read as the beginning of a single-precision number.
#include <optional>
#include <string_view>

namespace screen {

// The value that the typed text forms so far, rounded to single precision, when the text is a
// valid beginning of a single-precision number; nothing when it is not. An empty text, a lone
// "-", "." or "-." and an "&", "&H" or "&O" without digits form 0.
//
// Accepted: an optional "-"; digits, a first 0 followed only by the point; at most one point;
// an exponent letter E or e (not D) after a significant digit and not right after the point,
// then an optional sign and digits. With a point at most 8 digits before and after it
// together (zeros right after the point do not count when no digit stands before it, nor does
// a fraction that is a single 0) and at most 43 zeros right after it. A value that is not zero
// has its first significant digit at position 39 at most (at 39 its first seven digits not
// above 3402823) and at -44 at least (at -44 not below 1401298); position 1 is the units.
// "&H" with up to 16 hexadecimal digits and "&O" with up to 22 octal digits are whole numbers:
// the non-negative number the digits denote. Every value is the exact one rounded to nearest
// once, so a decimal from the midpoint above the largest single on forms an infinity.
std::optional<float> single_number_prefix_value(std::string_view typed);

}  // namespace screen
