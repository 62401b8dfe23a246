#include "tests/scheme/trace_recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "screen/font.h"

namespace scheme::testing {

namespace {

constexpr std::int32_t kFirstTracingLine = 266;
constexpr std::int32_t kLastTracingLine = 510;

bool is_drawing_line(std::int32_t line) {
  static constexpr std::int32_t kLines[] = {298, 312, 313, 314, 323, 324, 325, 335, 350, 361, 362, 363, 373, 374, 378,
                                            416, 430, 431, 432, 441, 442, 443, 478, 492, 493, 494, 503, 504, 505};
  return std::find(std::begin(kLines), std::end(kLines), line) != std::end(kLines);
}

std::vector<std::uint8_t> copy_screen(const screen::ScreenRuntime& runtime) {
  const screen::ScreenImage& image = runtime.image();
  if (image.width != kWidth || image.height != kHeight) return std::vector<std::uint8_t>(kWidth * kHeight, 0);
  return image.pixels;
}

int nearest_even(float v) { return static_cast<int>(std::nearbyint(v)); }
int half_away(double v) { return static_cast<int>(std::round(v)); }
bool on_screen(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

}  // namespace

std::vector<const TracedFrame*> TraceRecording::frames_of(std::int32_t line, float phase) const {
  std::vector<const TracedFrame*> found;
  for (const TracedFrame& frame : frames) {
    if (frame.line == line && frame.state.phase_index == phase) found.push_back(&frame);
  }
  return found;
}

std::vector<const DrawnStatement*> TraceRecording::drawn_in(float phase, std::int32_t first_line,
                                                            std::int32_t last_line) const {
  std::vector<const DrawnStatement*> found;
  for (const DrawnStatement& statement : drawn) {
    if (statement.phase == phase && statement.line >= first_line && statement.line <= last_line) {
      found.push_back(&statement);
    }
  }
  return found;
}

TraceRecording record_run(const std::string& z, const std::string& p, const std::string& y1,
                          const RecordOptions& options) {
  TraceRecording recording;
  auto run = std::make_unique<HeadlessRun>(std::vector<std::string>{z, p, y1});
  run->max_statements = options.max_statements;
  run->on_error_box = [&](const ErrorBoxSeen& box) { recording.error_boxes.push_back(box); };
  std::vector<std::uint8_t> before;
  std::uint64_t before_version = 0;
  run->on_frame_hook = [&](std::int32_t line) {
    const ProgramState& state = run->module.state();
    if (line == kFirstTracingLine && state.phase_index >= 1 && state.phase_index <= 3) {
      recording.screen_before_phase[static_cast<std::size_t>(state.phase_index)] = copy_screen(run->runtime);
    }
    // Before the phase loop (phase_index 0) and in phases or passes not asked for, nothing is kept.
    const bool wanted = state.phase_index >= 1 && (options.only_phase == 0 || state.phase_index == options.only_phase) &&
                        (options.only_coil == 0 || state.coil_index == options.only_coil) &&
                        (options.only_pole == 0 || state.pole_index == options.only_pole);
    if (!wanted) return;
    const bool tracing = line >= kFirstTracingLine && line <= kLastTracingLine;
    if (tracing && options.keep_frames) {
      const screen::TextState& text = run->runtime.text_state();
      recording.frames.push_back(TracedFrame{line, state, run->runtime.graphics_cursor(), text.foreground, text.row,
                                             text.column, run->platform.now_ms});
    }
    if (!options.keep_pixels) return;
    const bool drawing = tracing && is_drawing_line(line);
    // Unchanged since the last copy: that copy is still the screen before the next statement.
    if (!drawing && run->runtime.image_version() == before_version && !before.empty()) return;
    before_version = run->runtime.image_version();
    std::vector<std::uint8_t> now = copy_screen(run->runtime);
    if (drawing) {
      DrawnStatement drawn;
      drawn.line = line;
      drawn.phase = state.phase_index;
      drawn.coil = state.coil_index;
      drawn.pole = state.pole_index;
      drawn.cursor = run->runtime.graphics_cursor();
      for (std::size_t i = 0; i < now.size() && before.size() == now.size(); ++i) {
        if (now[i] != before[i]) {
          drawn.changed.push_back(ChangedPixel{static_cast<int>(i % kWidth), static_cast<int>(i / kWidth), now[i]});
        }
      }
      drawn.after = now;
      recording.drawn.push_back(std::move(drawn));
    }
    before = std::move(now);
  };
  recording.ending = run->run();
  recording.steps = run->steps;
  recording.final_screen = copy_screen(run->runtime);
  return recording;
}

const TraceRecording& cached_run(const std::string& z, const std::string& p, const std::string& y1) {
  static std::map<std::tuple<std::string, std::string, std::string>, TraceRecording> cache;
  const auto key = std::make_tuple(z, p, y1);
  auto found = cache.find(key);
  if (found == cache.end()) found = cache.emplace(key, record_run(z, p, y1)).first;
  return found->second;
}

std::vector<const DrawnStatement*> of_pass(const std::vector<const DrawnStatement*>& drawn, float coil, float pole) {
  std::vector<const DrawnStatement*> found;
  for (const DrawnStatement* statement : drawn) {
    if (statement->coil == coil && statement->pole == pole) found.push_back(statement);
  }
  return found;
}

const TracedFrame* frame_of_pass(const TraceRecording& run, std::int32_t line, float phase, float coil, float pole) {
  for (const TracedFrame* frame : run.frames_of(line, phase)) {
    if (frame->state.coil_index == coil && frame->state.pole_index == pole) return frame;
  }
  return nullptr;
}

void expect_drawn(const DrawnStatement& drawn, const ExpectedDraw& expected) {
  SCOPED_TRACE("line " + std::to_string(expected.line));
  ASSERT_EQ(drawn.line, expected.line);
  const Point end = expected.circle ? expected.a : expected.b;
  EXPECT_EQ(drawn.cursor.x, end.x);
  EXPECT_EQ(drawn.cursor.y, end.y);
  for (const ChangedPixel& pixel : drawn.changed) {
    ASSERT_EQ(pixel.colour, expected.colour) << "pixel " << pixel.x << "," << pixel.y;
  }
  if (expected.circle) {
    const int cx = half_away(expected.a.x);
    const int cy = half_away(expected.a.y);
    const int r = expected.radius;
    for (const ChangedPixel& pixel : drawn.changed) {
      ASSERT_LE(std::abs(pixel.x - cx), r) << "pixel " << pixel.x << "," << pixel.y;
      ASSERT_LE(std::abs(pixel.y - cy), r) << "pixel " << pixel.x << "," << pixel.y;
    }
    for (const int x : {cx - r, cx + r}) {
      if (on_screen(x, cy)) {
        EXPECT_EQ(drawn.at(x, cy), expected.colour) << "circle edge " << x << "," << cy;
      }
    }
    return;
  }
  const int x1 = nearest_even(expected.a.x);
  const int y1 = nearest_even(expected.a.y);
  const int x2 = nearest_even(expected.b.x);
  const int y2 = nearest_even(expected.b.y);
  for (const ChangedPixel& pixel : drawn.changed) {
    ASSERT_TRUE(pixel.x >= std::min(x1, x2) && pixel.x <= std::max(x1, x2) && pixel.y >= std::min(y1, y2) &&
                pixel.y <= std::max(y1, y2))
        << "pixel " << pixel.x << "," << pixel.y << " outside the line";
    if (expected.style == Style::dashed) {
      const int along = std::max(std::abs(pixel.x - x1), std::abs(pixel.y - y1));
      ASSERT_LT(along % 16, 8) << "pixel " << pixel.x << "," << pixel.y << " in a gap of the dashes";
    }
  }
  if (on_screen(x1, y1)) {
    EXPECT_EQ(drawn.at(x1, y1), expected.colour) << "first pixel";
  }
  if (expected.style == Style::solid && on_screen(x2, y2)) {
    EXPECT_EQ(drawn.at(x2, y2), expected.colour) << "last pixel";
  }
}

void expect_drawn_sequence(const std::vector<const DrawnStatement*>& drawn, const std::vector<ExpectedDraw>& expected) {
  std::string lines_drawn;
  for (const DrawnStatement* statement : drawn) lines_drawn += std::to_string(statement->line) + " ";
  ASSERT_EQ(drawn.size(), expected.size()) << "lines drawn: " << lines_drawn;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("drawing " + std::to_string(i + 1));
    expect_drawn(*drawn[i], expected[i]);
  }
}

void expect_terminal_labels(const TraceRecording& run, const std::array<LabelPlace, 6>& places) {
  struct Label {
    const char* text;
    int colour;
    const std::vector<std::uint8_t>* screen;
  };
  const Label labels[] = {
      {"U1", 15, &run.screen_before_phase[1]}, {"U2", 7, &run.screen_before_phase[2]},
      {"V1", 12, &run.screen_before_phase[2]}, {"V2", 4, &run.screen_before_phase[3]},
      {"W1", 9, &run.screen_before_phase[3]},  {"W2", 1, &run.final_screen},
  };
  for (std::size_t i = 0; i < places.size(); ++i) {
    ASSERT_EQ(labels[i].screen->size(), static_cast<std::size_t>(kWidth * kHeight)) << labels[i].text;
    int colour = 0;
    EXPECT_EQ(text_at(*labels[i].screen, places[i].row, places[i].column, 2, &colour), labels[i].text);
    EXPECT_EQ(colour, labels[i].colour) << labels[i].text;
  }
}

std::string text_at(const std::vector<std::uint8_t>& screen, int row, int column, int length, int* colour) {
  constexpr int kTolerance = 6;
  std::string text;
  if (colour != nullptr) *colour = -1;
  for (int c = column; c < column + length; ++c) {
    const int left = (c - 1) * screen::kGlyphWidth;
    const int top = (row - 1) * screen::kGlyphHeight;
    std::array<std::uint8_t, screen::kGlyphHeight> cell{};
    for (int y = 0; y < screen::kGlyphHeight; ++y) {
      for (int x = 0; x < screen::kGlyphWidth; ++x) {
        const std::uint8_t pixel = screen[static_cast<std::size_t>(top + y) * kWidth + left + x];
        if (pixel == 0) continue;
        cell[y] = static_cast<std::uint8_t>(cell[y] | (0x80 >> x));
        if (colour != nullptr && *colour < 0) *colour = pixel;
      }
    }
    int best_code = '?';
    int best_distance = kTolerance + 1;
    for (int code = 32; code < 127; ++code) {
      int distance = 0;
      for (int y = 0; y < screen::kGlyphHeight; ++y) {
        distance += std::popcount(static_cast<unsigned>(cell[y] ^ screen::kCodePage437Glyphs[code][y]));
      }
      if (distance < best_distance) {
        best_distance = distance;
        best_code = code;
      }
    }
    text.push_back(static_cast<char>(best_code));
  }
  return text;
}

}  // namespace scheme::testing
