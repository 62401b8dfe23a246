#pragma once
// A set of flags of one enum class. Flags of another enum, and plain integers, do not convert
// to it, so a flag meant for one operation cannot be passed to another.
#include <type_traits>

namespace screen {

// Converts to the empty set of any flag enum: "no flags" reads better than an empty brace.
struct NoFlags {};
inline constexpr NoFlags kNoFlags{};

// Set to true for an enum class whose values are single bits, to give it `|`.
template <typename Flag>
inline constexpr bool kFlagEnum = false;

template <typename Flag>
class FlagSet {
  static_assert(std::is_enum_v<Flag>);
  using Bits = std::underlying_type_t<Flag>;

 public:
  constexpr FlagSet() = default;  // the empty set
  constexpr FlagSet(NoFlags /*none*/) {}
  constexpr FlagSet(Flag flag) : bits_(static_cast<Bits>(flag)) {}  // implicit: a flag is a set of one

  constexpr bool has(Flag flag) const { return (bits_ & static_cast<Bits>(flag)) != 0; }

  friend constexpr FlagSet operator|(FlagSet a, FlagSet b) {
    FlagSet both;
    both.bits_ = static_cast<Bits>(a.bits_ | b.bits_);
    return both;
  }

 private:
  Bits bits_ = 0;
};

template <typename Flag>
  requires kFlagEnum<Flag>
constexpr FlagSet<Flag> operator|(Flag a, Flag b) {
  return FlagSet<Flag>(a) | FlagSet<Flag>(b);
}

}  // namespace screen
