#include "run_support.h"

#include <algorithm>

#include "screen/font.h"

namespace scheme_test {

RecordingRun::RecordingRun(std::vector<std::string> typed_texts) : HeadlessRun(std::move(typed_texts)) {
  on_error_box = [this](const scheme::ErrorBoxSeen& box) { error_boxes.push_back(box); };
}

std::unique_ptr<RecordingRun> make_run(const std::string& z, const std::string& p, const std::string& y1) {
  return std::make_unique<RecordingRun>(std::vector<std::string>{z, p, y1});
}

ScreenCopy copy_screen(const screen::ScreenRuntime& runtime) {
  const screen::ScreenImage& image = runtime.image();
  return ScreenCopy{image.width, image.height, image.pixels};
}

Cell read_cell(const ScreenCopy& screen, int row, int column, int background) {
  const int left = (column - 1) * screen::kGlyphWidth;
  const int top = (row - 1) * screen::kGlyphHeight;
  int colour = -1;
  std::array<std::uint8_t, screen::kGlyphHeight> lit{};
  for (int dy = 0; dy < screen::kGlyphHeight; ++dy) {
    for (int dx = 0; dx < screen::kGlyphWidth; ++dx) {
      const int pixel = screen.at(left + dx, top + dy);
      if (pixel == background) continue;
      if (colour >= 0 && pixel != colour) return Cell{'?', colour};
      colour = pixel;
      lit[static_cast<std::size_t>(dy)] |= static_cast<std::uint8_t>(0x80U >> dx);
    }
  }
  if (colour < 0) return Cell{' ', -1};
  for (int code = 33; code < 127; ++code) {
    if (screen::kCodePage437Glyphs[static_cast<std::size_t>(code)] == lit) return Cell{static_cast<char>(code), colour};
  }
  return Cell{'?', colour};
}

std::string read_text(const ScreenCopy& screen, int row, int first_column, int length) {
  std::string text;
  for (int column = first_column; column < first_column + length; ++column) {
    text.push_back(read_cell(screen, row, column).character);
  }
  return text;
}

bool cells_blank(const ScreenCopy& screen, int row, int first_column, int length, int background) {
  for (int column = first_column; column < first_column + length; ++column) {
    const int left = (column - 1) * screen::kGlyphWidth;
    const int top = (row - 1) * screen::kGlyphHeight;
    for (int dy = 0; dy < screen::kGlyphHeight; ++dy) {
      for (int dx = 0; dx < screen::kGlyphWidth; ++dx) {
        if (screen.at(left + dx, top + dy) != background) return false;
      }
    }
  }
  return true;
}

Capture capture_now(const scheme::HeadlessRun& run) {
  return Capture{copy_screen(run.runtime), run.module.state(), run.runtime.text_state(), run.platform.now_ms,
                 run.statements};
}

FrameRecorder::FrameRecorder(scheme::HeadlessRun& run) : run_(run) {
  run_.on_frame_hook = [this](std::int32_t line) {
    lines_.push_back(line);
    if (captures_.count(line) == 0 && std::find(wanted_.begin(), wanted_.end(), line) != wanted_.end()) {
      captures_.emplace(line, capture_now(run_));
    }
    if (also) also(line);
  };
}

std::int64_t FrameRecorder::count(int line) const { return std::count(lines_.begin(), lines_.end(), line); }

}  // namespace scheme_test
