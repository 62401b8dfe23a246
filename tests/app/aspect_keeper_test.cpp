#include "app/aspect_keeper.h"

#include <gtest/gtest.h>

#include "tests/app/geometry_printing.h"

namespace app {
namespace {

constexpr Size kScreen{640, 480};

struct AspectCase {
  const char* name;
  Size before;                   // the client size the window had (set by the runtime)
  Size reported;                 // the size the user gave
  bool correct;
  std::optional<Size> expected;  // the size the window is given instead
};

void PrintTo(const AspectCase& c, std::ostream* out) { *out << c.name; }

class AspectCases : public testing::TestWithParam<AspectCase> {};

TEST_P(AspectCases, CorrectToTheScreensAspect) {
  const AspectCase& c = GetParam();
  AspectKeeper keeper(Size{640, 400});
  keeper.runtime_set(c.before);
  keeper.reported(c.before, kScreen, c.correct);
  EXPECT_EQ(keeper.reported(c.reported, kScreen, c.correct), c.expected);
}

// Worked by hand: the side changed more (relative to its old length) is kept, the other is
// the kept side times 3/4 (or 4/3), rounded to the nearest pixel.
INSTANTIATE_TEST_SUITE_P(
    Resizes, AspectCases,
    testing::Values(AspectCase{"wider_keeps_width", {640, 480}, {800, 500}, true, Size{800, 600}},
                    AspectCase{"taller_keeps_height", {800, 600}, {700, 700}, true, Size{933, 700}},
                    AspectCase{"height_only", {640, 480}, {640, 600}, true, Size{800, 600}},
                    AspectCase{"width_only_rounds", {640, 480}, {801, 480}, true, Size{801, 601}},
                    AspectCase{"smaller", {640, 480}, {320, 400}, true, Size{320, 240}},
                    AspectCase{"same_aspect_accepted", {640, 480}, {1024, 768}, true, std::nullopt},
                    AspectCase{"same_size", {640, 480}, {640, 480}, true, std::nullopt},
                    AspectCase{"not_in_resize_mode_2", {640, 480}, {800, 500}, false, std::nullopt},
                    AspectCase{"minimised", {640, 480}, {0, 0}, true, std::nullopt},
                    AspectCase{"tiny_width", {640, 480}, {1, 480}, true, Size{1, 1}},
                    // Equal relative changes: the width is kept. Nothing asks for either side
                    // at a tie; this pins the keeper's choice.
                    AspectCase{"tie_wider_and_lower_keeps_width", {640, 480}, {720, 420}, true, Size{720, 540}},
                    AspectCase{"tie_narrower_and_taller_keeps_width", {640, 480}, {560, 540}, true, Size{560, 420}},
                    AspectCase{"tie_from_a_wide_window_keeps_width", {800, 400}, {900, 350}, true, Size{900, 675}}),
    [](const testing::TestParamInfo<AspectCase>& info) { return std::string(info.param.name); });

TEST(AspectKeeper, TheCorrectedSizeComingBackIsNotCorrectedAgain) {
  AspectKeeper keeper(Size{640, 480});
  const std::optional<Size> corrected = keeper.reported({801, 500}, kScreen, true);
  ASSERT_EQ(corrected, (Size{801, 601}));
  EXPECT_EQ(keeper.reported(*corrected, kScreen, true), std::nullopt);
  EXPECT_EQ(keeper.last_set(), (Size{801, 601}));
}

TEST(AspectKeeper, AtFirstTheStartWindowsAspectCountsAndTheScreenAspectIsTheTarget) {
  AspectKeeper keeper(Size{640, 400});
  EXPECT_EQ(keeper.reported({1280, 800}, Size{640, 400}, true), std::nullopt);
  EXPECT_EQ(keeper.reported({1280, 1000}, Size{640, 400}, true), (Size{1600, 1000}));
}

TEST(AspectKeeper, AnEmptySizeFromTheRuntimeIsIgnored) {
  AspectKeeper keeper(Size{640, 480});
  keeper.runtime_set({0, 480});
  EXPECT_EQ(keeper.last_set(), (Size{640, 480}));
}

}  // namespace
}  // namespace app
