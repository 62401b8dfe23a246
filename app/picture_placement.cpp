#include "app/picture_placement.h"

namespace app {

DisplayMode next_display_mode(DisplayMode mode) {
  switch (mode) {
    case DisplayMode::windowed: return DisplayMode::full_stretched;
    case DisplayMode::full_stretched: return DisplayMode::full_stretched_smooth;
    case DisplayMode::full_stretched_smooth: return DisplayMode::full_square;
    case DisplayMode::full_square: return DisplayMode::full_square_smooth;
    case DisplayMode::full_square_smooth: return DisplayMode::windowed;
  }
  return DisplayMode::windowed;
}

bool is_full_screen(DisplayMode mode) { return mode != DisplayMode::windowed; }

namespace {

Rect whole(Size client) { return {0, 0, client.width, client.height}; }

// The largest rectangle of the frame's aspect that fits the client, centred.
Rect square_pixels(Size client, Size frame) {
  if (frame.width <= 0 || frame.height <= 0) return whole(client);
  const std::int64_t cw = client.width;
  const std::int64_t ch = client.height;
  const std::int64_t fw = frame.width;
  const std::int64_t fh = frame.height;
  std::int64_t width = cw;
  std::int64_t height = ch;
  if (cw * fh <= ch * fw) {
    height = (cw * fh * 2 + fw) / (fw * 2);
  } else {
    width = (ch * fw * 2 + fh) / (fh * 2);
  }
  return {static_cast<std::int32_t>((cw - width) / 2), static_cast<std::int32_t>((ch - height) / 2),
          static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

}  // namespace

Placement place_picture(DisplayMode mode, std::int32_t resize_mode, Size client, Size frame) {
  switch (mode) {
    case DisplayMode::windowed:
      if (resize_mode == 2) return {whole(client), true};
      if (resize_mode == 1) return {whole(client), false};
      return {{0, 0, frame.width, frame.height}, false};
    case DisplayMode::full_stretched: return {whole(client), false};
    case DisplayMode::full_stretched_smooth: return {whole(client), true};
    case DisplayMode::full_square: return {square_pixels(client, frame), false};
    case DisplayMode::full_square_smooth: return {square_pixels(client, frame), true};
  }
  return {whole(client), false};
}

}  // namespace app
