// Time to turn the 640 x 480 screen image into a 32-bit frame through the palette, and the
// cost of a builder pass when nothing changed.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/frame_builder.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

constexpr std::size_t kPixels = 640 * 480;

void BM_ConvertIndices(benchmark::State& state) {
  std::vector<std::uint8_t> indices(kPixels);
  for (std::size_t i = 0; i < kPixels; ++i) indices[i] = static_cast<std::uint8_t>((i * 7) & 0x0F);
  std::vector<std::uint32_t> pixels(kPixels);
  for (auto _ : state) {
    app::convert_indices(indices.data(), indices.size(), screen::kPalette, pixels.data());
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("one 640x480 frame per iteration");
}
BENCHMARK(BM_ConvertIndices);

struct Mode12Runtime {
  Mode12Runtime() { runtime.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode); }
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime runtime{platform};
};

// A whole builder pass over a changed screen: copy under the image lock, convert, publish.
void BM_FrameBuildChangedScreen(benchmark::State& state) {
  Mode12Runtime screen;
  app::FrameBuilder builder(screen.runtime);
  std::int32_t column = 1;
  for (auto _ : state) {
    state.PauseTiming();
    screen.runtime.locate_cursor(1, column, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    screen.runtime.print_string("x", 0);
    column = column % 80 + 1;
    state.ResumeTiming();
    benchmark::DoNotOptimize(builder.pass());
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("one 640x480 frame per iteration");
}
BENCHMARK(BM_FrameBuildChangedScreen);

// A pass over an unchanged screen builds nothing.
void BM_FrameBuildUnchangedScreen(benchmark::State& state) {
  Mode12Runtime screen;
  app::FrameBuilder builder(screen.runtime);
  builder.pass();
  for (auto _ : state) benchmark::DoNotOptimize(builder.pass());
  if (builder.frames_built() != 1) state.SkipWithError("an unchanged screen was built again");
}
BENCHMARK(BM_FrameBuildUnchangedScreen);

}  // namespace
