#pragma once
// Where the line and circle rasterisers deliver their pixels: on-screen coordinates only.
#include <cstdint>
#include <functional>

namespace screen {

using PixelSink = std::function<void(std::int32_t x, std::int32_t y)>;

}  // namespace screen
