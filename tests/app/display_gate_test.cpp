#include "app/display_gate.h"

#include <gtest/gtest.h>

namespace app {
namespace {

constexpr Size kClient{640, 480};

class DisplayGateTest : public testing::Test {
 protected:
  // Uploads the frame with this serial, as the display callback would, and draws.
  void show(std::uint64_t serial, Size frame = {640, 480}) {
    if (gate.needs_upload(serial)) gate.uploaded(serial, frame);
    gate.drawn(kClient, DisplayMode::windowed);
  }

  DisplayGate gate{Size{640, 400}};
};

TEST_F(DisplayGateTest, TheFirstCallDrawsEvenWithoutAFrame) {
  EXPECT_TRUE(gate.should_draw(0, kClient, DisplayMode::windowed, false, false));
  EXPECT_FALSE(gate.needs_upload(0));
}

TEST_F(DisplayGateTest, NothingChangedMeansNoDrawingAndNoUpload) {
  show(1);
  EXPECT_FALSE(gate.should_draw(1, kClient, DisplayMode::windowed, false, false));
  EXPECT_FALSE(gate.needs_upload(1));
}

TEST_F(DisplayGateTest, EachChangeCausesARedraw) {
  show(1);
  EXPECT_TRUE(gate.should_draw(2, kClient, DisplayMode::windowed, false, false));
  EXPECT_TRUE(gate.needs_upload(2));
  EXPECT_TRUE(gate.should_draw(1, Size{800, 600}, DisplayMode::windowed, false, false));
  EXPECT_TRUE(gate.should_draw(1, kClient, DisplayMode::full_square, false, false));
  EXPECT_TRUE(gate.should_draw(1, kClient, DisplayMode::windowed, true, false));
}

TEST_F(DisplayGateTest, WhileSuspendedNothingIsDrawnWhateverChanged) {
  show(1);
  EXPECT_FALSE(gate.should_draw(2, Size{800, 600}, DisplayMode::full_square, true, true));
}

TEST_F(DisplayGateTest, TheWindowFollowsOnlyAChangeOfTheFrameSize) {
  EXPECT_EQ(gate.uploaded(1, Size{640, 400}), std::nullopt);  // the window's first size
  EXPECT_EQ(gate.uploaded(2, Size{640, 480}), (Size{640, 480}));
  EXPECT_EQ(gate.uploaded(3, Size{640, 480}), std::nullopt);
  EXPECT_EQ(gate.frame_size(), (Size{640, 480}));
}

}  // namespace
}  // namespace app
