// Text output: the cursor, new lines with scrolling, printing with its pending new line,
// the fit check and print zones.
#include "screen/runtime.h"

namespace screen {

namespace {
constexpr std::int32_t kZoneWidth = 14;
constexpr std::int32_t kLastZoneLimit = 67;  // zone starts 1, 15, 29, 43, 57
constexpr std::int32_t kBell_ms = 250;

bool is_control_code(unsigned char code) { return code == 7 || (code >= 9 && code <= 13) || (code >= 28 && code <= 31); }
}  // namespace

void ScreenRuntime::locate_cursor(std::int32_t row, std::int32_t column, std::int32_t /*visible*/,
                                  std::int32_t /*start*/, std::int32_t /*stop*/, FlagSet<CursorGiven> given) {
  if (error_pending()) return;
  const bool bad_row = given.has(CursorGiven::row) && (row < 1 || row > text_.rows);
  const bool bad_column = given.has(CursorGiven::column) && (column < 1 || column > text_.columns);
  if (bad_row || bad_column) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  if (given.has(CursorGiven::row)) text_.row = row;
  if (given.has(CursorGiven::column)) text_.column = column;
  text_.newline_pending = false;
}

void ScreenRuntime::new_line() {
  if (error_pending()) return;
  text_.newline_pending = false;
  text_.column = 1;
  if (text_.row + 1 > text_.view_bottom) {
    ImageWrite write(*this);
    scroll_text_view();
    text_.row = text_.view_bottom;
  } else {
    ++text_.row;
  }
}

void ScreenRuntime::print_string(const std::string& text, std::int32_t new_line_wanted) {
  if (error_pending()) return;
  if (text.empty()) {
    if (new_line_wanted != 0) new_line();  // performs a pending new line, or a fresh one
    return;
  }
  if (text_.newline_pending) new_line();
  bool wrapped_last = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    const bool last = i + 1 == text.size();
    wrapped_last = false;
    if (is_control_code(code)) {
      if (code == 7) platform_.sleep_ms(kBell_ms, Wait::bell);
      if (code == 13) new_line();  // a carriage return is not a wrap: an asked new line still follows
      continue;
    }
    {
      ImageWrite write(*this);
      draw_glyph(text_.row, text_.column, code);
    }
    if (text_.column < text_.columns) {
      ++text_.column;
    } else if (!last || new_line_wanted != 0) {
      new_line();
      wrapped_last = last;
    } else {
      text_.newline_pending = true;
    }
  }
  if (new_line_wanted != 0 && !wrapped_last) new_line();
}

void ScreenRuntime::fit_print_line(const std::string& text) {
  if (error_pending()) return;
  if (text_.newline_pending || text_.column == 1) return;
  const auto width = static_cast<std::int64_t>(text_.columns) * 8;
  if (static_cast<std::int64_t>(text_.column - 1) * 8 + 8 * static_cast<std::int64_t>(text.size()) > width) new_line();
}

void ScreenRuntime::print_next_zone() {
  if (error_pending()) return;
  if (text_.newline_pending) {
    new_line();
    return;
  }
  auto at_stop = [this] {
    const std::int32_t c = text_.column;
    return c == 1 || ((c - 1) % kZoneWidth == 0 && c <= kLastZoneLimit) || c == text_.columns;
  };
  do {
    print_string(" ", 0);
  } while (!at_stop() && !text_.newline_pending);
}

}  // namespace screen
