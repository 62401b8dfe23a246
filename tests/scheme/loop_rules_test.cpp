// Counted loops: double-precision counter and limit, the variable set before the test, the
// next value taken from the variable, limits that are fractional, below the start, infinite
// or not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "run_support.h"
#include "scheme/main_module.h"

namespace {

using scheme::ext;
using scheme::ForLoopState;

struct LoopCase {
  const char* name;
  ext limit;
  std::vector<float> passes;  // the variable's value at every pass
  float after;                // the variable once the loop ended
};

TEST(ForLoopState, PassesAndValueAfterTheLoop) {
  const LoopCase cases[] = {
      {"whole limit", 3, {1, 2, 3}, 4},
      {"fractional limit", 2.5L, {1, 2}, 3},
      {"limit below the start", 0.5L, {}, 1},
      {"negative limit", -6, {}, 1},
      {"limit equal to the start", 1, {1}, 2},
  };
  for (const LoopCase& c : cases) {
    SCOPED_TRACE(c.name);
    float variable = -99;
    ForLoopState loop(variable, 1, c.limit);
    std::vector<float> seen;
    while (loop.pass()) {
      seen.push_back(variable);
      ASSERT_LT(seen.size(), 10U);
    }
    EXPECT_EQ(seen, c.passes);
    EXPECT_EQ(variable, c.after);
  }
}

TEST(ForLoopState, EndlessLimitsNeverEndTheLoop) {
  const ext limits[] = {std::numeric_limits<ext>::infinity(), std::numeric_limits<ext>::quiet_NaN()};
  for (const ext limit : limits) {
    float variable = 0;
    ForLoopState loop(variable, 1, limit);
    for (int pass = 1; pass <= 1000; ++pass) {
      ASSERT_TRUE(loop.pass());
      EXPECT_EQ(variable, static_cast<float>(pass));
    }
  }
}

TEST(ForLoopState, SinglePrecisionVariableStopsAt2To24) {
  float variable = 0;
  ForLoopState loop(variable, 16777215, 16777217);
  ASSERT_TRUE(loop.pass());
  EXPECT_EQ(variable, 16777215.0F);
  for (int pass = 0; pass < 100; ++pass) {
    ASSERT_TRUE(loop.pass());
    EXPECT_EQ(variable, 16777216.0F);
  }
}

TEST(ForLoopState, ChangesToTheVariableCarryIntoTheNextPass) {
  // As the tracing does: step back once inside the body; the next pass starts from the
  // changed value plus one.
  float variable = 0;
  ForLoopState loop(variable, 1, 4);
  std::vector<float> seen;
  bool stepped_back = false;
  while (loop.pass()) {
    seen.push_back(variable);
    if (variable == 3 && !stepped_back) {
      stepped_back = true;
      variable = variable - 2;
    }
  }
  EXPECT_EQ(seen, (std::vector<float>{1, 2, 3, 2, 3, 4}));
  EXPECT_EQ(variable, 5);
}

TEST(ForLoopState, LimitIsFixedAtEntry) {
  float variable = 0;
  ext limit = 2;
  ForLoopState loop(variable, 1, limit);
  int passes = 0;
  while (loop.pass()) {
    ++passes;
    limit = 10;
  }
  EXPECT_EQ(passes, 2);
}

// The same rules seen through the routine's own loops.
struct RoutineLoopCase {
  std::string z, p;
  int odd_steps;         // passes of the row loop of line 115 over all pole columns
  int pole_passes;       // passes of the pole loop of line 113
  float pole_after;      // pole_index after the odd table
  float row_after;       // row_index after the odd table
};

TEST(RoutineLoops, LimitsFromTheInput) {
  const RoutineLoopCase cases[] = {
      {"24", "2", 18, 3, 4, 7},   // whole limits: 3 pole columns of 6 rows
      {"10", "2", 6, 3, 4, 3},    // pole_pitch 2.5: rows 1 and 2, then 3
      {"24", "1.5", 16, 2, 3, 9}, // pole loop to 2.5: pole columns 1 and 2; pole_pitch 8
      {"0", "2", 0, 3, 4, 1},     // pole_pitch 0: no row, row_index stays 1
      {"24", "-2", 0, 0, 1, 0},   // limit -1: no pass, pole_index 1, row_index untouched
  };
  for (const RoutineLoopCase& c : cases) {
    SCOPED_TRACE("Z=" + c.z + " p'=" + c.p);
    auto run = scheme_test::make_run(c.z, c.p, "5");
    scheme_test::FrameRecorder recorder(*run);
    recorder.capture_first(140);
    run->max_statements = 20000;
    run->run();
    ASSERT_TRUE(recorder.has(140));
    EXPECT_EQ(recorder.count(116), c.odd_steps);
    EXPECT_EQ(recorder.count(114), c.pole_passes);
    EXPECT_EQ(recorder.at(140).state.pole_index, c.pole_after);
    EXPECT_EQ(recorder.at(140).state.row_index, c.row_after);
  }
}

TEST(RoutineLoops, EndlessRowLoopWhenPolePairsIsZero) {
  // p' = 0: pole_pitch is infinite, so the first pole column's rows never end; every entry's
  // text row is NaN, every locate fails, and the run goes on until the statement bound.
  auto run = scheme_test::make_run("24", "0", "5");
  scheme_test::FrameRecorder recorder(*run);
  run->max_statements = 6000;
  EXPECT_EQ(run->run(), scheme::RunEnding::bound);
  EXPECT_EQ(run->statements, 6000);
  EXPECT_EQ(recorder.count(140), 0);
  EXPECT_EQ(recorder.count(113), 1);
  ASSERT_GT(run->error_boxes.size(), 100U);
  for (const auto& box : run->error_boxes) {
    EXPECT_EQ(box.code, 5);
    EXPECT_EQ(box.line, 132);
  }
  const auto& s = run->module.state();
  EXPECT_TRUE(std::isnan(s.belt_index));
  EXPECT_TRUE(std::isnan(s.text_row));
  EXPECT_EQ(s.draw_colour, 0);
  EXPECT_EQ(s.row_index, static_cast<float>(recorder.count(115)));
  EXPECT_GE(s.entry_counter, static_cast<float>(run->error_boxes.size()));
}

}  // namespace
