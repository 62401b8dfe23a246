#pragma once
// The 8 x 16 glyphs of code page 437, embedded at build time.
#include <array>
#include <cstdint>

namespace screen {

inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 16;
inline constexpr int kGlyphCount = 256;

// Row r of glyph c: bit 7 is the leftmost pixel.
extern const std::array<std::array<std::uint8_t, kGlyphHeight>, kGlyphCount> kCodePage437Glyphs;

}  // namespace screen
