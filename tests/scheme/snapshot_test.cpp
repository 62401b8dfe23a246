// The headless runner's picture: a binary PPM of the screen through the palette.
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

struct Rgb {
  unsigned r, g, b;
};

Rgb pixel_of(const std::string& ppm, std::size_t header, int x, int y) {
  const std::size_t at = header + (static_cast<std::size_t>(y) * 640 + static_cast<std::size_t>(x)) * 3;
  return {static_cast<unsigned char>(ppm[at]), static_cast<unsigned char>(ppm[at + 1]),
          static_cast<unsigned char>(ppm[at + 2])};
}

TEST(Snapshot, PpmHoldsTheScreenThroughThePalette) {
  auto run = scheme_test::make_run("0", "2", "5");
  ASSERT_EQ(run->run(), scheme::RunEnding::end_program);
  const std::string ppm = scheme::screen_as_ppm(run->runtime);
  const std::string header = "P6\n640 480\n255\n";
  ASSERT_EQ(ppm.substr(0, header.size()), header);
  ASSERT_EQ(ppm.size(), header.size() + 640U * 480U * 3U);

  const auto screen = scheme_test::copy_screen(run->runtime);
  // Colours by palette index: 0 black, 3 cyan (credits), 11 light cyan (the prompt), 14 yellow.
  const struct {
    int index;
    Rgb rgb;
  } palette[] = {{0, {0x00, 0x00, 0x00}}, {3, {0x00, 0xAA, 0xAA}}, {11, {0x55, 0xFF, 0xFF}}, {14, {0xFF, 0xFF, 0x55}}};
  for (const auto& colour : palette) {
    int found = 0;
    for (int y = 0; y < 480 && found < 50; ++y) {
      for (int x = 0; x < 640 && found < 50; ++x) {
        if (screen.at(x, y) != colour.index) continue;
        ++found;
        const Rgb rgb = pixel_of(ppm, header.size(), x, y);
        EXPECT_EQ(rgb.r, colour.rgb.r);
        EXPECT_EQ(rgb.g, colour.rgb.g);
        EXPECT_EQ(rgb.b, colour.rgb.b);
      }
    }
    EXPECT_EQ(found, 50) << "colour " << colour.index;
  }
}

// The runner hands on every error box as it appears and keeps none of them, so its memory does
// not grow with the length of a run.
TEST(Snapshot, ErrorBoxesAreHandedOnAndNotKept) {
  scheme::HeadlessRun run({"24", "0", "5"});
  run.max_statements = 500;
  std::int64_t handed_on = 0;
  run.on_error_box = [&](const scheme::ErrorBoxSeen& box) {
    ++handed_on;
    EXPECT_EQ(box.code, 5);
    EXPECT_EQ(box.line, 132);
  };
  EXPECT_EQ(run.run(), scheme::RunEnding::bound);
  EXPECT_EQ(handed_on, 33);
  EXPECT_EQ(run.error_box_count, 33);
  EXPECT_TRUE(run.platform.boxes.empty());
}

// A stop the routine does not take (here a stop_flag set without event_flag, so no statement
// check runs, during the final wait) ends the run at once saying so, instead of running for ever.
TEST(Snapshot, ARunThatIgnoresAStopFailsSayingSo) {
  scheme::HeadlessRun run({"24", "2", "5"});
  run.give_final_key = false;  // the final wait would end on its key
  run.on_frame_hook = [&run](std::int32_t line) {
    if (line == 526) run.runtime.words.stop_flag.store(1);
  };
  try {
    run.run();
    FAIL() << "the run ended";
  } catch (const screen::HeadlessStuck& stuck) {
    EXPECT_NE(std::string(stuck.what()).find("after a stop was requested, the last at line 526"), std::string::npos)
        << stuck.what();
  }
}

}  // namespace
