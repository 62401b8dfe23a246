// The `given` flag sets of the runtime's operations: each operation takes its own flags only,
// and a set holds exactly the flags joined into it.
#include <gtest/gtest.h>

#include <type_traits>

#include "screen/runtime.h"

namespace {

using screen::CircleGiven;
using screen::FlagSet;
using screen::LineGiven;
using screen::ScreenRuntime;

template <typename A, typename B>
concept Joinable = requires(A a, B b) { a | b; };

template <typename Given>
constexpr bool kCircleTakes = std::is_invocable_v<decltype(&ScreenRuntime::draw_circle), ScreenRuntime&, double,
                                                  double, double, std::int32_t, double, double, double, Given>;

// Both line and circle have a flag of value 1 and of value 2; neither reaches the other.
static_assert(kCircleTakes<CircleGiven> && kCircleTakes<FlagSet<CircleGiven>> && kCircleTakes<screen::NoFlags>);
static_assert(!kCircleTakes<LineGiven> && !kCircleTakes<FlagSet<LineGiven>> && !kCircleTakes<std::int32_t>);
static_assert(Joinable<LineGiven, LineGiven> && Joinable<FlagSet<LineGiven>, LineGiven>);
static_assert(!Joinable<LineGiven, CircleGiven> && !Joinable<FlagSet<LineGiven>, CircleGiven>);
static_assert(!Joinable<FlagSet<LineGiven>, std::int32_t>);

struct FlagCase {
  LineGiven flag;
  bool in_first_point_and_colour;
};

TEST(FlagSet, HoldsExactlyTheFlagsJoinedIntoIt) {
  const FlagSet<LineGiven> joined = LineGiven::first_point | LineGiven::colour;
  const FlagSet<LineGiven> none = screen::kNoFlags;
  const FlagCase cases[] = {
      {LineGiven::first_point, true}, {LineGiven::second_relative, false}, {LineGiven::first_relative, false},
      {LineGiven::colour, true},      {LineGiven::style, false},
  };
  for (const FlagCase& c : cases) {
    const auto bits = static_cast<std::uint32_t>(c.flag);
    EXPECT_EQ(joined.has(c.flag), c.in_first_point_and_colour) << "flag " << bits;
    EXPECT_FALSE(none.has(c.flag)) << "flag " << bits;
    EXPECT_TRUE(FlagSet<LineGiven>(c.flag).has(c.flag)) << "flag " << bits;
  }
}

}  // namespace
