#pragma once
// A mode-12 screen on the headless backend, with helpers that read text cells back from the
// pixels by comparing them with the embedded glyph bits.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen/font.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace screen_test {

constexpr screen::FlagSet<screen::CursorGiven> kGivenRowColumn = screen::CursorGiven::row | screen::CursorGiven::column;
constexpr screen::FlagSet<screen::ColorGiven> kGivenForeground = screen::ColorGiven::foreground;

// One item of a print statement: a text, or the comma between two items.
struct Item {
  bool comma = false;
  std::string text;
};
inline Item comma() { return Item{true, {}}; }
inline Item text(std::string value) { return Item{false, std::move(value)}; }
inline Item number(float value) { return Item{false, screen::ScreenRuntime::single_to_text(value) + " "}; }

class TextScreen : public ::testing::Test {
 public:
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};

  void SetUp() override { rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode); }

  void locate(std::int32_t row, std::int32_t column) { rt.locate_cursor(row, column, 0, 0, 0, kGivenRowColumn); }
  void colour(std::int32_t foreground) { rt.set_color(foreground, 0, 0, kGivenForeground); }

  // A print statement: each item after its fit check, commas as zones, a closing new line.
  void print_statement(const std::vector<Item>& items) {
    for (const Item& item : items) {
      if (item.comma) {
        rt.print_next_zone();
      } else {
        rt.fit_print_line(item.text);
        rt.print_string(item.text, 0);
      }
    }
    rt.print_string("", 1);
  }

  std::uint8_t pixel(std::int32_t x, std::int32_t y) const { return rt.image().at(x, y); }

  // True when the cell shows the glyph of code in the two colours, every pixel of it.
  bool cell_shows(std::int32_t row, std::int32_t column, std::uint8_t code, std::int32_t foreground,
                  std::int32_t background) const {
    const auto& glyph = screen::kCodePage437Glyphs[code];
    for (std::int32_t dy = 0; dy < 16; ++dy) {
      for (std::int32_t dx = 0; dx < 8; ++dx) {
        const bool lit = (glyph[static_cast<std::size_t>(dy)] & (0x80U >> dx)) != 0;
        const auto expected = static_cast<std::uint8_t>(lit ? foreground : background);
        if (pixel((column - 1) * 8 + dx, (row - 1) * 16 + dy) != expected) return false;
      }
    }
    return true;
  }

  // True when every pixel of the cell has the colour.
  bool cell_is(std::int32_t row, std::int32_t column, std::int32_t colour) const {
    for (std::int32_t dy = 0; dy < 16; ++dy) {
      for (std::int32_t dx = 0; dx < 8; ++dx) {
        if (pixel((column - 1) * 8 + dx, (row - 1) * 16 + dy) != colour) return false;
      }
    }
    return true;
  }

  // The characters that columns first..last of a row show in the two colours; '?' for a cell
  // that shows no printable character in them.
  std::string row_text(std::int32_t row, std::int32_t first, std::int32_t last, std::int32_t foreground,
                       std::int32_t background = 0) const {
    std::string result;
    for (std::int32_t column = first; column <= last; ++column) {
      char shown = '?';
      for (int code = 32; code < 127; ++code) {
        if (cell_shows(row, column, static_cast<std::uint8_t>(code), foreground, background)) {
          shown = static_cast<char>(code);
          break;
        }
      }
      result += shown;
    }
    return result;
  }

  void expect_cursor(std::int32_t row, std::int32_t column) const {
    EXPECT_EQ(rt.text_state().row, row);
    EXPECT_EQ(rt.text_state().column, column);
  }
};

}  // namespace screen_test
