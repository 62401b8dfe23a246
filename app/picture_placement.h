#pragma once
// Where the picture goes in the window's client area, and how it is filtered, for each
// display mode of the Alt+Enter cycle and each resize mode of the runtime.
#include <cstdint>

namespace app {

// The Alt+Enter cycle, in order; the last mode is followed by windowed again.
enum class DisplayMode { windowed, full_stretched, full_stretched_smooth, full_square, full_square_smooth };

DisplayMode next_display_mode(DisplayMode mode);
bool is_full_screen(DisplayMode mode);

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle of the client area; y grows downwards.
struct Rect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Placement {
  Rect picture;
  bool linear = false;  // linear filtering; nearest otherwise
  friend bool operator==(const Placement&, const Placement&) = default;
};

// Runtime resize modes: 0 the picture unscaled at the top left, 1 stretched, 2 stretched
// and smoothed. Full-screen modes ignore it.
Placement place_picture(DisplayMode mode, std::int32_t resize_mode, Size client, Size frame);

}  // namespace app
