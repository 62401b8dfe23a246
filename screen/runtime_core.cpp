// The runtime's construction, error latch and the pixel helpers every operation shares.
#include <algorithm>
#include <cstring>

#include "screen/font.h"
#include "screen/runtime.h"

namespace screen {

namespace {
constexpr std::int32_t kCellWidth = kGlyphWidth;
constexpr std::int32_t kCellHeight = kGlyphHeight;
}  // namespace

const char* error_message(std::int32_t code) {
  switch (code) {
    case 5: return "Illegal function call";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    default: return "Unprintable error";
  }
}

ScreenRuntime::ScreenRuntime(Platform& platform) : platform_(platform) {
  // The run starts on the 80 x 25 text screen (640 x 400 pixels).
  make_screen(640, 400, 25, 7);
}

void ScreenRuntime::raise_error(std::int32_t code) {
  if (code < 1) code = kIllegalFunctionCall;
  std::int32_t none = 0;
  if (words.pending_error.compare_exchange_strong(none, code, std::memory_order_acq_rel)) {
    words.event_flag.store(1, std::memory_order_release);
  }
}

void ScreenRuntime::make_screen(std::int32_t width, std::int32_t height, std::int32_t text_rows,
                                std::int32_t foreground) {
  {
    ImageWrite write(*this);
    image_.width = width;
    image_.height = height;
    image_.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  }
  text_ = TextState{};
  text_.rows = text_rows;
  text_.columns = width / kCellWidth;
  text_.view_top = 1;
  text_.view_bottom = text_rows - 1;
  text_.foreground = foreground;
  text_.background = 0;
  graphics_cursor_ = GraphicsCursor{static_cast<float>(width / 2), static_cast<float>(height / 2)};
}

void ScreenRuntime::set_pixel(std::int32_t x, std::int32_t y, std::int32_t colour) {
  image_.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image_.width) + static_cast<std::size_t>(x)] =
      static_cast<std::uint8_t>(colour & 0x0F);
}

void ScreenRuntime::draw_glyph(std::int32_t row, std::int32_t column, std::uint8_t code) {
  const auto& glyph = kCodePage437Glyphs[code];
  const std::int32_t left = (column - 1) * kCellWidth;
  const std::int32_t top = (row - 1) * kCellHeight;
  for (std::int32_t dy = 0; dy < kCellHeight; ++dy) {
    const std::uint8_t bits = glyph[static_cast<std::size_t>(dy)];
    for (std::int32_t dx = 0; dx < kCellWidth; ++dx) {
      const bool lit = (bits & (0x80U >> dx)) != 0;
      set_pixel(left + dx, top + dy, lit ? text_.foreground : text_.background);
    }
  }
}

void ScreenRuntime::fill_text_rows(std::int32_t first_row, std::int32_t last_row, std::int32_t colour) {
  const auto begin = static_cast<std::size_t>((first_row - 1) * kCellHeight) * static_cast<std::size_t>(image_.width);
  const auto end = static_cast<std::size_t>(last_row * kCellHeight) * static_cast<std::size_t>(image_.width);
  std::fill(image_.pixels.begin() + static_cast<std::ptrdiff_t>(begin),
            image_.pixels.begin() + static_cast<std::ptrdiff_t>(end), static_cast<std::uint8_t>(colour & 0x0F));
}

void ScreenRuntime::scroll_text_view() {
  const auto row_bytes = static_cast<std::size_t>(kCellHeight) * static_cast<std::size_t>(image_.width);
  if (text_.view_bottom > text_.view_top) {
    std::uint8_t* top = image_.pixels.data() + static_cast<std::size_t>(text_.view_top - 1) * row_bytes;
    std::memmove(top, top + row_bytes, static_cast<std::size_t>(text_.view_bottom - text_.view_top) * row_bytes);
  }
  fill_text_rows(text_.view_bottom, text_.view_bottom, text_.background);
}

std::string ScreenRuntime::window_title() const {
  std::lock_guard<std::mutex> lock(title_mutex_);
  return window_title_;
}

}  // namespace screen
