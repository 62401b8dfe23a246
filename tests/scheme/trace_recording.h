#pragma once
// Runs the whole routine headless for one input and keeps what the phase tracing did: the
// program state after each of its statements, and for each line and circle it drew the pixels
// that statement changed. Checks compare these records with hand-worked expectations.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scheme/program_state.h"
#include "screen/runtime.h"
#include "tools/headless_run.h"

namespace scheme::testing {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

struct ChangedPixel {
  int x = 0;
  int y = 0;
  std::uint8_t colour = 0;
};

// One statement frame within the tracing (lines 266 to 510).
struct TracedFrame {
  std::int32_t line = 0;
  ProgramState state;  // right after the statement
  screen::GraphicsCursor cursor;
  std::int32_t foreground = 0;
  std::int32_t text_cursor_row = 0;
  std::int32_t text_cursor_column = 0;
  std::int64_t now_ms = 0;  // the virtual clock
};

// A line or circle statement of the tracing and what it did to the screen.
struct DrawnStatement {
  std::int32_t line = 0;
  float phase = 0;
  float coil = 0;
  float pole = 0;
  screen::GraphicsCursor cursor;
  std::vector<ChangedPixel> changed;
  std::vector<std::uint8_t> after;  // the whole screen right after the statement

  std::uint8_t at(int x, int y) const { return after[static_cast<std::size_t>(y) * kWidth + x]; }
};

struct TraceRecording {
  std::vector<TracedFrame> frames;
  std::vector<DrawnStatement> drawn;
  std::vector<ErrorBoxSeen> error_boxes;
  std::vector<std::uint8_t> final_screen;
  // The screen as each phase's tracing starts (index 1 to 3): tables, markers and the labels
  // printed so far, with nothing of that phase drawn over them yet.
  std::array<std::vector<std::uint8_t>, 4> screen_before_phase;
  std::int64_t steps = 0;
  RunEnding ending = RunEnding::bound;

  // Frames of one line in one phase, in the order they ran.
  std::vector<const TracedFrame*> frames_of(std::int32_t line, float phase) const;
  // Drawn statements of one phase with lines in [first_line, last_line], in order.
  std::vector<const DrawnStatement*> drawn_in(float phase, std::int32_t first_line, std::int32_t last_line) const;
  std::uint8_t final_at(int x, int y) const { return final_screen[static_cast<std::size_t>(y) * kWidth + x]; }
};

struct RecordOptions {
  bool keep_frames = true;
  bool keep_pixels = true;
  float only_phase = 0;  // keep frames and drawn statements of this phase only; 0: of every phase
  // Keep those of passes with this coil_index and pole_index only; 0: of every coil or pole.
  // The statement before each drawing one belongs to the same pass, so the screen a drawn
  // statement is compared with is still the one right before it.
  float only_coil = 0;
  float only_pole = 0;
  std::int64_t max_statements = 5'000'000;
};

TraceRecording record_run(const std::string& z, const std::string& p, const std::string& y1,
                          const RecordOptions& options = {});

// One recording per input, shared by the tests of this executable.
const TraceRecording& cached_run(const std::string& z, const std::string& p, const std::string& y1);

// The drawn statements of one pass (coil_index and pole_index as the statement left them).
std::vector<const DrawnStatement*> of_pass(const std::vector<const DrawnStatement*>& drawn, float coil, float pole);
// The first frame of a line in one pass, or nullptr.
const TracedFrame* frame_of_pass(const TraceRecording& run, std::int32_t line, float phase, float coil, float pole);

// --- Expected drawings, worked out by hand ---
struct Point {
  float x = 0;
  float y = 0;
};
enum class Style { solid, dashed };

struct ExpectedDraw {
  std::int32_t line = 0;
  bool circle = false;
  Point a;  // line start, or circle centre
  Point b;  // line end
  int radius = 0;
  int colour = 0;
  Style style = Style::solid;
};

inline ExpectedDraw line_of(std::int32_t line, Point from, Point to, int colour, Style style = Style::solid) {
  return ExpectedDraw{line, false, from, to, 0, colour, style};
}
inline ExpectedDraw circle_of(std::int32_t line, Point centre, int radius, int colour) {
  return ExpectedDraw{line, true, centre, centre, radius, colour, Style::solid};
}

// Checks one drawn statement: its line, where the graphics cursor ended, and its pixels (colour,
// extent, start and end pixels, dash gaps; the outer left and right pixels of a circle).
void expect_drawn(const DrawnStatement& drawn, const ExpectedDraw& expected);
// Checks a sequence of drawn statements against the expected ones, one by one.
void expect_drawn_sequence(const std::vector<const DrawnStatement*>& drawn, const std::vector<ExpectedDraw>& expected);

// The six terminal labels U1, U2, V1, V2, W1, W2 at (row, column), each in its colour, read
// from the screen as the next phase starts (W2 from the final screen), before anything is
// drawn over them.
struct LabelPlace {
  int row = 0;
  int column = 0;
};
void expect_terminal_labels(const TraceRecording& run, const std::array<LabelPlace, 6>& places);

// Reads text from the screen: the best matching code page 437 glyph of each cell (a few stray
// pixels of a crossing line are tolerated); '?' when nothing matches. The colour of the first
// set pixel goes to *colour when given.
std::string text_at(const std::vector<std::uint8_t>& screen, int row, int column, int length, int* colour = nullptr);

}  // namespace scheme::testing
