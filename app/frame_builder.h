#pragma once
// Turns the runtime's screen image (palette indices) into 32-bit frames for the display.
// The main-loop thread calls pass() on every second pass; the display side takes the newest
// complete frame on its own thread.
//
// Invariants:
// - A frame is built only when the image version or the palette differs from those of the
//   last built frame. Version, palette and pixels are read together under the image lock, so
//   a frame shows one moment of the screen; an unchanged screen costs a short lock and one
//   comparison per pass.
// - While words.lock_display is not 0 nothing is built: a request (1) is answered with a
//   grant (2), and the builder waits for the release (0).
// - Frames are published whole: the display side sees the previous frame or the new one,
//   never a half-built one; serial() grows by one per published frame.
// - Three frame buffers circulate: the one being built, the published one and the display's
//   own. take_newest swaps the display's buffer with the published one under the lock, so the
//   display uploads its frame without holding any lock, the builder never writes a buffer the
//   display holds, and once all three have their size no frame allocates.
// - One reader takes frames. After a take the published buffer is the reader's previous frame,
//   whose serial is not newer, so no later take hands it out.
// - Pixels are 0xFFRRGGBB (bytes B, G, R, A in memory on a little-endian machine).
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "screen/runtime.h"

namespace app {

struct Frame {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint64_t serial = 0;
};

// Converts palette indices to 0xFFRRGGBB pixels; only the low 4 bits of an index count.
void convert_indices(const std::uint8_t* indices, std::size_t count, const std::array<std::uint32_t, 16>& palette,
                     std::uint32_t* out);

class FrameBuilder {
 public:
  explicit FrameBuilder(screen::ScreenRuntime& runtime) : runtime_(runtime) {}

  // One builder pass; true when a new frame was published.
  bool pass();

  // Serial of the newest published frame; 0 before the first.
  std::uint64_t serial() const { return serial_.load(std::memory_order_acquire); }
  std::uint64_t frames_built() const { return frames_built_.load(std::memory_order_relaxed); }

  // Swaps the newest published frame into `frame` when it is newer than the one there; true
  // when it was. The frame handed back takes the place of the published one.
  bool take_newest(Frame& frame);

 private:
  screen::ScreenRuntime& runtime_;
  bool built_any_ = false;
  std::uint64_t built_version_ = 0;
  std::array<std::uint32_t, 16> built_palette_{};
  std::vector<std::uint8_t> indices_;
  Frame work_;
  Frame published_;
  std::mutex published_mutex_;
  std::atomic<std::uint64_t> serial_{0};
  std::atomic<std::uint64_t> frames_built_{0};
};

}  // namespace app
