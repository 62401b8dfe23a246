#include "app/frame_builder.h"

#include <utility>

namespace app {

void convert_indices(const std::uint8_t* indices, std::size_t count, const std::array<std::uint32_t, 16>& palette,
                     std::uint32_t* out) {
  std::array<std::uint32_t, 16> opaque{};
  for (std::size_t i = 0; i < opaque.size(); ++i) opaque[i] = 0xFF000000U | (palette[i] & 0x00FFFFFFU);
  for (std::size_t i = 0; i < count; ++i) out[i] = opaque[indices[i] & 0x0FU];
}

bool FrameBuilder::pass() {
  screen::SharedWords& words = runtime_.words;
  std::int32_t requested = 1;
  if (words.lock_display.compare_exchange_strong(requested, 2, std::memory_order_acq_rel)) return false;
  if (requested != 0) return false;  // granted and not yet released

  std::int32_t width = 0;
  std::int32_t height = 0;
  {
    std::lock_guard<std::mutex> lock(runtime_.image_mutex());
    const std::uint64_t version = runtime_.image_version();
    if (built_any_ && version == built_version_ && runtime_.palette() == built_palette_) return false;
    const screen::ScreenImage& image = runtime_.image();
    built_version_ = version;
    built_palette_ = runtime_.palette();
    width = image.width;
    height = image.height;
    indices_.assign(image.pixels.begin(), image.pixels.end());
  }
  built_any_ = true;

  work_.width = width;
  work_.height = height;
  work_.pixels.resize(indices_.size());
  convert_indices(indices_.data(), indices_.size(), built_palette_, work_.pixels.data());
  // The published buffer may be the reader's previous frame: count on from serial_.
  work_.serial = serial_.load(std::memory_order_relaxed) + 1;
  {
    std::lock_guard<std::mutex> lock(published_mutex_);
    std::swap(work_, published_);
    serial_.store(published_.serial, std::memory_order_release);
  }
  frames_built_.fetch_add(1, std::memory_order_relaxed);
  return true;
}

bool FrameBuilder::take_newest(Frame& frame) {
  std::lock_guard<std::mutex> lock(published_mutex_);
  if (published_.serial <= frame.serial) return false;
  std::swap(frame, published_);
  return true;
}

}  // namespace app
