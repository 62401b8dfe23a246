#pragma once
// Helpers for driving the whole routine headless and reading its screen back: runs built from
// the three typed texts, copies of the screen and the program state taken at chosen statement
// frames, and text cells read back through the font.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scheme/program_state.h"
#include "screen/runtime.h"
#include "tools/headless_run.h"

namespace scheme_test {

// A headless run that keeps every error box it answered.
struct RecordingRun : scheme::HeadlessRun {
  explicit RecordingRun(std::vector<std::string> typed_texts);
  std::vector<scheme::ErrorBoxSeen> error_boxes;
};

std::unique_ptr<RecordingRun> make_run(const std::string& z, const std::string& p, const std::string& y1);

struct ScreenCopy {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> pixels;
  int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
ScreenCopy copy_screen(const screen::ScreenRuntime& runtime);

// What a text cell shows: the printable character whose glyph matches the cell's lit pixels
// ('?' when none does, ' ' when nothing is lit) and the colour of those pixels (-1: none lit).
struct Cell {
  char character = ' ';
  int foreground = -1;
};
Cell read_cell(const ScreenCopy& screen, int row, int column, int background = 0);
std::string read_text(const ScreenCopy& screen, int row, int first_column, int length);
// True when every pixel of the cells lies in the background colour.
bool cells_blank(const ScreenCopy& screen, int row, int first_column, int length, int background = 0);

struct Capture {
  ScreenCopy screen;
  scheme::ProgramState state;
  screen::TextState text;
  std::int64_t now_ms = 0;
  std::int64_t statements = 0;
};

// Records every statement frame's line and takes captures at the first frame of chosen lines.
class FrameRecorder {
 public:
  explicit FrameRecorder(scheme::HeadlessRun& run);
  void capture_first(int line) { wanted_.push_back(line); }
  bool has(int line) const { return captures_.count(line) != 0; }
  const Capture& at(int line) const { return captures_.at(line); }
  const std::vector<int>& lines() const { return lines_; }
  std::int64_t count(int line) const;

  // Runs at every frame after the recording, for tests that press keys or watch values.
  std::function<void(int line)> also;

 private:
  scheme::HeadlessRun& run_;
  std::vector<int> wanted_;
  std::map<int, Capture> captures_;
  std::vector<int> lines_;
};

Capture capture_now(const scheme::HeadlessRun& run);

}  // namespace scheme_test
