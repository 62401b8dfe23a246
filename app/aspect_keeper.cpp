#include "app/aspect_keeper.h"

#include <cstdint>
#include <cstdlib>

namespace app {

namespace {

bool same_aspect(Size a, Size b) {
  return static_cast<std::int64_t>(a.width) * b.height == static_cast<std::int64_t>(a.height) * b.width;
}

std::int32_t scaled(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t result = (value * numerator * 2 + denominator) / (denominator * 2);
  return static_cast<std::int32_t>(result < 1 ? 1 : result);
}

}  // namespace

void AspectKeeper::runtime_set(Size size) {
  if (size.width > 0 && size.height > 0) last_set_ = size;
}

std::optional<Size> AspectKeeper::reported(Size client, Size screen, bool correct) {
  const Size previous = last_reported_;
  last_reported_ = client;
  if (!correct || client.width <= 0 || client.height <= 0 || screen.width <= 0 || screen.height <= 0) {
    return std::nullopt;
  }
  if (same_aspect(client, last_set_)) return std::nullopt;

  // Relative changes compared without division: |dw| / w_prev against |dh| / h_prev.
  const std::int64_t width_change = std::llabs(static_cast<std::int64_t>(client.width) - previous.width) *
                                    static_cast<std::int64_t>(previous.height);
  const std::int64_t height_change = std::llabs(static_cast<std::int64_t>(client.height) - previous.height) *
                                     static_cast<std::int64_t>(previous.width);
  Size corrected = client;
  if (height_change > width_change) {
    corrected.width = scaled(client.height, screen.width, screen.height);
  } else {
    corrected.height = scaled(client.width, screen.height, screen.width);
  }
  last_set_ = corrected;
  if (corrected == client) return std::nullopt;
  return corrected;
}

}  // namespace app
