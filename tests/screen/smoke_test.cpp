#include <gtest/gtest.h>

#include "screen/font.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

TEST(RuntimeStart, TextModeThenMode12) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_EQ(rt.image().width, 640);
  EXPECT_EQ(rt.image().height, 400);
  rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
  EXPECT_EQ(rt.image().height, 480);
  EXPECT_EQ(rt.text_state().foreground, 15);
  EXPECT_EQ(rt.graphics_cursor().x, 320.0F);
  EXPECT_EQ(rt.graphics_cursor().y, 240.0F);
}

TEST(EmbeddedFont, HasCodePage437Shapes) {
  // The blank is empty and the full block (219) is solid.
  for (auto row : screen::kCodePage437Glyphs[' ']) EXPECT_EQ(row, 0);
  for (auto row : screen::kCodePage437Glyphs[219]) EXPECT_EQ(row, 0xFF);
}

}  // namespace
