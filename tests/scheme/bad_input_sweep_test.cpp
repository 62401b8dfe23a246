// Whatever the line input accepts goes into the formulas unchanged. A sweep of unusual inputs
// through the whole routine, each bounded: the run must end normally or at the bound, and
// every failure must be one of the latched errors at a statement that can raise it.
#include <gtest/gtest.h>

#include <set>

#include "run_support.h"

namespace {

struct Input {
  const char* z;
  const char* p;
  const char* y1;
};

bool can_raise(int code, int line) {
  static const std::set<int> kOverflowLines = {109, 110};
  static const std::set<int> kIllegalCallLines = {120, 132, 148, 166, 199, 212, 233, 241,
                                                  249, 254, 262, 331, 415, 449, 513};
  switch (code) {
    case 5: return kIllegalCallLines.count(line) != 0;
    case 6: return kOverflowLines.count(line) != 0;
    case 9: return line >= 266 && line <= 510;  // the tracing's array elements
    default: return false;
  }
}

TEST(BadInput, SweepEndsCleanlyWithOnlyLatchedErrors) {
  const Input inputs[] = {
      {"0", "0", "0"},         {"0", "2", "5"},        {"24", "0", "5"},      {"-24", "0", "5"},
      {"24", "-1", "5"},       {"24", "-2", "5"},      {"24", "-3", "-7"},    {"-24", "2", "5"},
      {"24", "0.5", "5"},      {"24", "1.5", "2.5"},   {"0.5", "0.25", "0"},  {"25", "2", "5"},
      {"3E38", "1E-30", "5"},  {"3E38", "1", "5"},     {"-3E38", "1", "-3E38"}, {"1E-44", "1E-44", "1E-44"},
      {"24", "1E30", "5"},     {"24", "-1E30", "5"},   {"1E30", "1E30", "1E30"}, {"24", "2", "3E38"},
      {"24", "-0.9999", "5"},  {"0", "-1", "0"},       {"1", "-2", "1"},      {"60", "1", "5"},
      {"54", "1", "5"},        {"12", "1", "5"},       {"30", "2", "5"},      {"180", "15", "5"},
      {"5994", "999", "5"},    {"6000", "1000", "5"},  {"24", "12", "5"},     {"7", "48", "5"},
      {"", "", ""},            {"-", ".", "-"},        {"&HFFFF", "&O7", "&H10"},
      {"3.4028236E38", "1", "5"}, {"-3.4028236E38", "&HFFFFFFFFFFFFFFFF", "3.4028236E38"},
      {"&O7777777777777777777777", "&H8000000000000000", "5"},
  };
  for (const Input& input : inputs) {
    SCOPED_TRACE(std::string("Z=") + input.z + " p'=" + input.p + " y1=" + input.y1);
    auto run = scheme_test::make_run(input.z, input.p, input.y1);
    run->max_statements = 20000;
    const scheme::RunEnding ending = run->run();
    EXPECT_TRUE(ending == scheme::RunEnding::end_program || ending == scheme::RunEnding::bound)
        << scheme::to_string(ending);
    EXPECT_LE(run->statements, 20000);
    for (const auto& box : run->error_boxes) {
      EXPECT_TRUE(can_raise(box.code, box.line)) << "error " << box.code << " line " << box.line;
    }
    // The speed hint's row and the bottom row belong to the routine only at the end.
    if (ending == scheme::RunEnding::end_program) {
      const auto screen = scheme_test::copy_screen(run->runtime);
      EXPECT_EQ(scheme_test::read_text(screen, 30, 1, 25), "Press any key to continue");
    }
  }
}

}  // namespace
