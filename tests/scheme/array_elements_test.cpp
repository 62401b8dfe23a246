// Array elements beyond index 1000: a store raises error 9 and stores nothing, a load raises
// it and goes on with element 0. Reached through the tracing with p' of 999 or more.
#include <gtest/gtest.h>

#include "run_support.h"

namespace {

std::vector<int> subscript_error_lines(const scheme_test::RecordingRun& run) {
  std::vector<int> lines;
  for (const auto& box : run.error_boxes) {
    if (box.code == 9) lines.push_back(box.line);
  }
  return lines;
}

// Every delay passes in one slice, so thousands of steps cost no time.
void make_delays_short(scheme::HeadlessRun& run) {
  auto typing = run.platform.on_sleep;
  run.platform.on_sleep = [&run, typing](std::int32_t duration_ms, screen::Wait why) {
    typing(duration_ms, why);
    if (why == screen::Wait::delay && duration_ms == 9) run.platform.now_ms += 1'000'000;
  };
}

TEST(ArrayElements, GoHalfPastElement1000) {
  // Z = 6000, p' = 1000: one coil; its last pass has pole_index 1001. Lines 296 and 297
  // store into element 1001, line 298 reads it for the circle, and the bent connection reads
  // it at lines 303 and 304 before line 307 skips the drawing.
  auto run = scheme_test::make_run("6000", "1000", "5");
  make_delays_short(*run);
  scheme_test::FrameRecorder recorder(*run);
  bool checked = false;
  recorder.also = [&](int line) {
    // Element 1000 keeps the centre of the pass at pole 1000; element 0 was never written.
    if (line == 298 && !checked && run->runtime.words.pending_error.load() == 9) {
      checked = true;
      EXPECT_EQ(run->module.state().marker_x[0], 0.0F);
      EXPECT_EQ(run->module.state().marker_x[1000], 21.0F);  // text column 2
    }
  };
  run->max_statements = 400'000;
  run->run();
  EXPECT_TRUE(checked);
  const std::vector<int> lines = subscript_error_lines(*run);
  ASSERT_GE(lines.size(), 5U);
  EXPECT_EQ(std::vector<int>(lines.begin(), lines.begin() + 5), (std::vector<int>{296, 297, 298, 303, 304}));
}

TEST(ArrayElements, PhaseWCopyOneBeyondTheLastPole) {
  // Z = 5994, p' = 999: only phase W's copy of the last pass goes to element p' + 2 = 1001:
  // stores at lines 348 and 349, loads at 350, 354 and 355.
  auto run = scheme_test::make_run("5994", "999", "5");
  make_delays_short(*run);
  run->max_statements = 2'000'000;
  EXPECT_EQ(run->run(), scheme::RunEnding::end_program);
  EXPECT_EQ(subscript_error_lines(*run), (std::vector<int>{348, 349, 350, 354, 355}));
}

}  // namespace
