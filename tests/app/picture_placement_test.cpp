#include "app/picture_placement.h"

#include <gtest/gtest.h>

#include "tests/app/geometry_printing.h"

namespace app {
namespace {

TEST(DisplayModeCycle, AltEnterVisitsTheFiveModesInOrderAndReturnsToWindowed) {
  const DisplayMode order[] = {DisplayMode::windowed, DisplayMode::full_stretched, DisplayMode::full_stretched_smooth,
                               DisplayMode::full_square, DisplayMode::full_square_smooth};
  DisplayMode mode = DisplayMode::windowed;
  for (int lap = 0; lap < 2; ++lap) {
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(mode, order[i]) << "lap " << lap << " step " << i;
      EXPECT_EQ(is_full_screen(mode), i != 0);
      mode = next_display_mode(mode);
    }
  }
  EXPECT_EQ(mode, DisplayMode::windowed);
}

struct PlacementCase {
  const char* name;
  DisplayMode mode;
  std::int32_t resize_mode;
  Size client;
  Size frame;
  Placement expected;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class Placements : public testing::TestWithParam<PlacementCase> {};

TEST_P(Placements, PutThePictureWhereTheModeSays) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(place_picture(c.mode, c.resize_mode, c.client, c.frame), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Placements,
    testing::Values(
        PlacementCase{"windowed_smoothed", DisplayMode::windowed, 2, {800, 600}, {640, 480}, {{0, 0, 800, 600}, true}},
        PlacementCase{"windowed_exact", DisplayMode::windowed, 2, {640, 480}, {640, 480}, {{0, 0, 640, 480}, true}},
        PlacementCase{"windowed_stretched", DisplayMode::windowed, 1, {800, 600}, {640, 480}, {{0, 0, 800, 600}, false}},
        PlacementCase{"windowed_unscaled", DisplayMode::windowed, 0, {800, 600}, {640, 480}, {{0, 0, 640, 480}, false}},
        PlacementCase{"windowed_unscaled_text", DisplayMode::windowed, 0, {640, 480}, {640, 400}, {{0, 0, 640, 400}, false}},
        PlacementCase{"full_stretched", DisplayMode::full_stretched, 0, {1920, 1080}, {640, 480}, {{0, 0, 1920, 1080}, false}},
        PlacementCase{"full_stretched_smooth", DisplayMode::full_stretched_smooth, 2, {1920, 1080}, {640, 480},
                      {{0, 0, 1920, 1080}, true}},
        // 1080 high: 1440 wide, bars of 240 left and right.
        PlacementCase{"full_square_wide", DisplayMode::full_square, 2, {1920, 1080}, {640, 480}, {{240, 0, 1440, 1080}, false}},
        // 1280 wide: 960 high, bars of 32 above and below.
        PlacementCase{"full_square_tall", DisplayMode::full_square_smooth, 2, {1280, 1024}, {640, 480},
                      {{0, 32, 1280, 960}, true}},
        // 1023 high: 1280 wide gives 960, bars of 31 above and 32 below.
        PlacementCase{"full_square_tall_odd_bars", DisplayMode::full_square, 2, {1280, 1023}, {640, 480},
                      {{0, 31, 1280, 960}, false}},
        // 1281 wide: 960.75 high rounds to 961, bars of 31 and 32.
        PlacementCase{"full_square_tall_rounded_odd_bars", DisplayMode::full_square_smooth, 2, {1281, 1024},
                      {640, 480}, {{0, 31, 1281, 961}, true}},
        PlacementCase{"full_square_exact", DisplayMode::full_square, 2, {1024, 768}, {640, 480}, {{0, 0, 1024, 768}, false}},
        // 1366 x 768 with a 640 x 400 frame: 1228.8 wide rounds to 1229, bars of 68.
        PlacementCase{"full_square_text_screen", DisplayMode::full_square, 0, {1366, 768}, {640, 400},
                      {{68, 0, 1229, 768}, false}},
        PlacementCase{"full_square_no_frame", DisplayMode::full_square, 0, {800, 600}, {0, 0}, {{0, 0, 800, 600}, false}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace app
