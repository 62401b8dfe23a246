#pragma once
// Reads text back from the screen image by matching each 8 x 16 cell against the font.
#include <cstdint>
#include <string>

#include "screen/font.h"
#include "screen/runtime.h"

namespace cell_reading {

// The colour a cell's pixel has when the cell shows `code` in `foreground` on `background`.
inline std::uint8_t glyph_pixel(unsigned char code, int dx, int dy, int foreground, int background) {
  const bool lit = (screen::kCodePage437Glyphs[code][static_cast<std::size_t>(dy)] & (0x80U >> dx)) != 0;
  return static_cast<std::uint8_t>(lit ? foreground : background);
}

inline bool cell_shows(const screen::ScreenRuntime& rt, int row, int column, unsigned char code, int foreground,
                       int background) {
  for (int dy = 0; dy < screen::kGlyphHeight; ++dy) {
    for (int dx = 0; dx < screen::kGlyphWidth; ++dx) {
      if (rt.image().at((column - 1) * 8 + dx, (row - 1) * 16 + dy) !=
          glyph_pixel(code, dx, dy, foreground, background)) {
        return false;
      }
    }
  }
  return true;
}

// Columns first..last of a row as printable ASCII in the given colours; '?' for a cell that
// shows none of them (another colour, a block cursor left behind, a graphic).
inline std::string row_text(const screen::ScreenRuntime& rt, int row, int first, int last, int foreground,
                            int background = 0) {
  std::string text;
  for (int column = first; column <= last; ++column) {
    char shown = '?';
    for (int code = 32; code < 127; ++code) {
      if (cell_shows(rt, row, column, static_cast<unsigned char>(code), foreground, background)) {
        shown = static_cast<char>(code);
        break;
      }
    }
    text.push_back(shown);
  }
  return text;
}

}  // namespace cell_reading
