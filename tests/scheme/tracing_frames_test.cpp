// Statement frames of the phase tracing, in order: every statement runs its frame with its own
// line number; a taken one-line conditional runs it twice (condition, then action); a jump
// lands on the label line, which runs its frame. Worked example Z = 24, p' = 2, y1 = 5.
#include <gtest/gtest.h>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

constexpr float kAny = -1;

// Frame lines from the frame of start_line in the given pass (kAny: whatever coil or pole) up to
// and including the next frame of end_line.
std::vector<std::int32_t> frame_lines(const TraceRecording& run, float phase, std::int32_t start_line, float coil,
                                      float pole, std::int32_t end_line) {
  std::vector<std::int32_t> lines;
  for (const TracedFrame& frame : run.frames) {
    if (lines.empty()) {
      const ProgramState& s = frame.state;
      const bool start = frame.line == start_line && s.phase_index == phase &&
                         (coil == kAny || s.coil_index == coil) && (pole == kAny || s.pole_index == pole);
      if (start) lines.push_back(frame.line);
      continue;
    }
    lines.push_back(frame.line);
    if (frame.line == end_line) break;
  }
  return lines;
}

struct FrameCase {
  const char* name;
  float phase;
  std::int32_t start_line;
  float coil;
  float pole;
  std::int32_t end_line;
  std::vector<std::int32_t> expected;
};

const FrameCase kFrameCases[] = {
    {"U go, first pass: no connection from element 0",
     1, 266, kAny, kAny, 331,
     {266, 270, 271, 272, 272, 275, 280, 281, 286, 288, 288, 289, 293, 296, 297, 298, 299, 327, 331}},
    {"W go, coil 1, pole 3: bent connection skipped at 311, then block B",
     3, 275, 1, 3, 364,
     {275, 280, 281, 286, 289, 291, 291, 293, 294, 294, 296, 297, 298, 299, 300, 301, 302, 303, 304,
      305, 306, 308, 309, 309, 311, 315, 327, 331, 340, 341, 343, 343, 345, 346, 346, 348, 349, 350,
      351, 352, 353, 354, 355, 356, 357, 361, 362, 363, 364}},
    {"U lead", 1, 370, kAny, kAny, 379, {370, 371, 372, 373, 374, 375, 375, 378, 379}},
    {"U return, last pass: stepped back, bent connection skipped at 425",
     1, 389, 2, 3, 449,
     {389, 390, 391, 392, 397, 401, 404, 405, 405, 406, 406, 407, 407, 408, 409, 410, 411, 411, 412, 412,
      413, 414, 415, 416, 417, 418, 419, 420, 421, 422, 423, 424, 425, 433, 445, 449}},
    {"W return copy, coil 1, pole 3: bent connection skipped at 490",
     3, 452, 1, 3, 495,
     {452, 457, 458, 460, 461, 462, 466, 466, 467, 469, 469, 471, 472, 473, 474, 474, 476, 477, 478,
      479, 480, 481, 482, 483, 484, 485, 486, 488, 489, 489, 490, 495}},
};

TEST(TracingFrames, EachStatementRunsItsFrameWithItsOwnLine) {
  const TraceRecording& run = cached_run("24", "2", "5");
  for (const FrameCase& c : kFrameCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(frame_lines(run, c.phase, c.start_line, c.coil, c.pole, c.end_line), c.expected);
  }
}

}  // namespace
}  // namespace scheme::testing
