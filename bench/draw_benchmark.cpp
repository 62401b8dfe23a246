// Cost of the drawing operations the program uses most: the radius-15 circle of every traced
// position and long connection lines; also a far-off line and a huge circle crossing the
// screen, whose cost must not grow with their size.
#include <benchmark/benchmark.h>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

constexpr screen::FlagSet<screen::LineGiven> kFirstPointAndColour =
    screen::LineGiven::first_point | screen::LineGiven::colour;
constexpr screen::FlagSet<screen::CircleGiven> kCircleColour = screen::CircleGiven::colour;

struct Mode12Screen {
  Mode12Screen() { rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode); }
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
};

void BM_CircleRadius15(benchmark::State& state) {
  Mode12Screen screen;
  for (auto _ : state) screen.rt.draw_circle(320.0, 240.0, 15.0, 12, 0, 0, 0, kCircleColour);
}
BENCHMARK(BM_CircleRadius15);

void BM_LongDiagonalLine(benchmark::State& state) {
  Mode12Screen screen;
  for (auto _ : state) screen.rt.draw_line(0.0F, 0.0F, 639.0F, 479.0F, 10, 0, 0xFFFF, kFirstPointAndColour);
}
BENCHMARK(BM_LongDiagonalLine);

void BM_LineFromFarOffTheScreen(benchmark::State& state) {
  Mode12Screen screen;
  for (auto _ : state) screen.rt.draw_line(-1e30F, -1e30F, 1e30F, 1e30F, 10, 0, 0xFFFF, kFirstPointAndColour);
}
BENCHMARK(BM_LineFromFarOffTheScreen);

void BM_HugeCircleCrossingTheScreen(benchmark::State& state) {
  Mode12Screen screen;
  for (auto _ : state) screen.rt.draw_circle(320.0, 1e6 + 240.0, 1e6, 12, 0, 0, 0, kCircleColour);
}
BENCHMARK(BM_HugeCircleCrossingTheScreen);

}  // namespace
