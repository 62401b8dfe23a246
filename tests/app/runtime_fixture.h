#pragma once
// A screen runtime on the headless platform, for tests of the window side's pieces.
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace app {

struct HeadlessRuntime {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime runtime{platform};
};

}  // namespace app
