#include "app/display_gate.h"

namespace app {

bool DisplayGate::should_draw(std::uint64_t frame_serial, Size client, DisplayMode mode, bool exposed,
                              bool suspended) const {
  if (suspended) return false;
  return !drawn_once_ || exposed || frame_serial != drawn_serial_ || !(client == drawn_client_) ||
         mode != drawn_mode_;
}

std::optional<Size> DisplayGate::uploaded(std::uint64_t frame_serial, Size frame) {
  uploaded_serial_ = frame_serial;
  if (frame == frame_size_) return std::nullopt;
  frame_size_ = frame;
  return frame;
}

void DisplayGate::drawn(Size client, DisplayMode mode) {
  drawn_once_ = true;
  drawn_serial_ = uploaded_serial_;
  drawn_client_ = client;
  drawn_mode_ = mode;
}

}  // namespace app
