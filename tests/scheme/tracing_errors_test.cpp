// Errors the phase tracing can meet: array indices beyond 1000 with many pole pairs, the text
// cursor parked beyond row 30, and any accepted input ending in latched errors, never a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

constexpr std::int32_t kSubscriptOutOfRange = 9;
constexpr std::int32_t kIllegalFunctionCall = 5;

TraceRecording run_without_records(const std::string& z, const std::string& p, std::int64_t max_statements) {
  RecordOptions options;
  options.keep_frames = false;
  options.keep_pixels = false;
  options.max_statements = max_statements;
  return record_run(z, p, "5", options);
}

std::vector<std::int32_t> lines_of_code(const TraceRecording& run, std::int32_t code) {
  std::vector<std::int32_t> lines;
  for (const ErrorBoxSeen& box : run.error_boxes) {
    if (box.code == code && box.line >= 266 && box.line <= 510) lines.push_back(box.line);
  }
  return lines;
}

TEST(ManyPolePairs, NineHundredNinetyNineOverrunOnlyPhaseWsLastCopy) {
  // belt_size 1: the only coil is the last, so block B stores its copy at p' + 2 = 1001.
  const TraceRecording run = run_without_records("5994", "999", 20'000'000);
  EXPECT_EQ(run.ending, RunEnding::end_program);
  EXPECT_EQ(lines_of_code(run, kSubscriptOutOfRange), (std::vector<std::int32_t>{348, 349, 350, 354, 355}));
}

TEST(ManyPolePairs, OneThousandOverrunTheLastPassOfEveryHalf) {
  // The last pass is pole 1001 in every half; phase W's block B moves on to 1002.
  const TraceRecording run = run_without_records("6000", "1000", 20'000'000);
  EXPECT_EQ(run.ending, RunEnding::end_program);
  const std::vector<std::int32_t> go = {296, 297, 298, 303, 304};
  const std::vector<std::int32_t> back = {413, 414, 416, 421, 422};
  const std::vector<std::int32_t> go_copy = {348, 349, 350, 351, 352, 353, 354, 355};
  const std::vector<std::int32_t> back_copy = {476, 477, 478, 483, 484};
  std::vector<std::int32_t> expected;
  for (int phase = 1; phase <= 3; ++phase) {
    expected.insert(expected.end(), go.begin(), go.end());
    if (phase == 3) expected.insert(expected.end(), go_copy.begin(), go_copy.end());
    expected.insert(expected.end(), back.begin(), back.end());
    if (phase == 3) expected.insert(expected.end(), back_copy.begin(), back_copy.end());
  }
  EXPECT_EQ(lines_of_code(run, kSubscriptOutOfRange), expected);
}

TEST(ManyPolePairs, CursorParkingFailsFromPole31On) {
  // p' = 30: poles 1 to 31, two coils (belt_size 2); only pole 31 is beyond text row 30.
  const TraceRecording run = run_without_records("360", "30", 20'000'000);
  EXPECT_EQ(run.ending, RunEnding::end_program);
  EXPECT_EQ(lines_of_code(run, kIllegalFunctionCall), std::vector<std::int32_t>(6, 415));
  EXPECT_TRUE(lines_of_code(run, kSubscriptOutOfRange).empty());
}

struct BadInput {
  const char* z;
  const char* p;
};

// Inputs the line input accepts, chosen to give the tracing negative, fractional, tiny, huge,
// infinite and undefined quantities.
const BadInput kBadInputs[] = {
    {"24", "-2"},   {"-24", "2"},    {"24", "-1"},  {"24", "0.5"},    {"24", "1.5"},  {"25", "2"},
    {"24", "2.7"},  {"600", "1"},    {"24", "40"},  {"1E-30", "1"},   {"0", "0"},     {"24", "0"},
    {"7", "1E-7"},  {"3E38", "1"},   {"1", "3E38"}, {"-3E38", "1E-38"}, {"2", "-0.999"}, {"24", "-3"},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, EndsWithLatchedErrorsOnly) {
  const TraceRecording run = run_without_records(GetParam().z, GetParam().p, 400'000);
  EXPECT_TRUE(run.ending == RunEnding::end_program || run.ending == RunEnding::bound) << to_string(run.ending);
  const std::set<std::int32_t> array_lines = {296, 297, 298, 300, 301, 302, 303, 304, 317, 318, 319, 320, 334, 335,
                                              337, 348, 349, 350, 351, 352, 353, 354, 355, 413, 414, 416, 418, 419,
                                              420, 421, 422, 435, 436, 437, 438, 476, 477, 478, 480, 481, 482, 483,
                                              484, 497, 498, 499, 500};
  for (const ErrorBoxSeen& box : run.error_boxes) {
    if (box.line < 266 || box.line > 510) continue;
    const bool array_error = box.code == kSubscriptOutOfRange && array_lines.count(box.line) == 1;
    const bool cursor_error = box.code == kIllegalFunctionCall && box.line == 415;
    EXPECT_TRUE(array_error || cursor_error) << "error " << box.code << " at line " << box.line;
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, ::testing::ValuesIn(kBadInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                           return "case" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace scheme::testing
