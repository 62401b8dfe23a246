#pragma once
// Decides, at each call of the display callback, whether to draw and whether to upload the
// newest frame, so that an unchanged screen costs no drawing and no upload.
//
// Invariants:
// - Nothing is drawn while the program is suspended (the picture stays frozen).
// - A frame is uploaded at most once: only when its serial differs from the one on show.
// - A redraw happens when a new frame exists, the client size or the display mode changed,
//   or the window was exposed; otherwise the callback returns without drawing.
// - frame_size_ is the size of the frame last shown (the window's first size at first).
#include <cstdint>
#include <optional>

#include "app/picture_placement.h"

namespace app {

class DisplayGate {
 public:
  explicit DisplayGate(Size first_window_size) : frame_size_(first_window_size) {}

  bool should_draw(std::uint64_t frame_serial, Size client, DisplayMode mode, bool exposed, bool suspended) const;
  bool needs_upload(std::uint64_t frame_serial) const { return frame_serial != 0 && frame_serial != uploaded_serial_; }
  // A frame of this size was uploaded; returns the size when it differs from the last one shown
  // (the window then follows the screen's size).
  std::optional<Size> uploaded(std::uint64_t frame_serial, Size frame);
  void drawn(Size client, DisplayMode mode);
  Size frame_size() const { return frame_size_; }

 private:
  std::uint64_t uploaded_serial_ = 0;
  std::uint64_t drawn_serial_ = 0;
  bool drawn_once_ = false;
  Size drawn_client_;
  DisplayMode drawn_mode_ = DisplayMode::windowed;
  Size frame_size_;
};

}  // namespace app
