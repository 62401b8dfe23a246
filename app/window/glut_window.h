#pragma once
// The program's window on the main thread: FreeGLUT with an RGBA, double-buffered context
// with depth, its callbacks (display, timer, keys, mouse, reshape), the Alt+Enter display
// modes, the aspect kept while resizing, and an event loop that sleeps on the X connection
// between passes. The window follows the screen's size and shows the newest frame.
#include <X11/Xlib.h>

#include <cstdint>

#include "app/app_platform.h"
#include "app/aspect_keeper.h"
#include "app/display_gate.h"
#include "app/frame_builder.h"
#include "app/key_router.h"
#include "app/run_requests.h"
#include "app/window/gl_picture.h"
#include "app/window/x_message_box.h"
#include "screen/runtime.h"

namespace app {

inline constexpr Size kFirstWindowSize{640, 400};
inline constexpr std::int32_t kRedrawTick_ms = 16;

class GlutWindow {
 public:
  GlutWindow(screen::ScreenRuntime& runtime, AppPlatform& platform, FrameBuilder& builder, RunRequests& requests,
             XBoxPresenter& boxes);

  // glutInit and the display-mode check; an impossible mode ends the process with exit code 1.
  void initialise(int& argc, char** argv);
  // Creates the window and stays in its event loop for the rest of the process.
  [[noreturn]] void run();

 private:
  void create();
  void on_display();
  void on_reshape(int width, int height);
  void on_key(unsigned char key);
  void on_special(int key);
  void on_tick();
  bool needs_redraw() const;
  void handle_harvest();
  void cycle_display_mode();
  void arm_tick();
  Size frame_size() const;

  static void display_callback();
  static void reshape_callback(int width, int height);
  static void keyboard_callback(unsigned char key, int x, int y);
  static void keyboard_up_callback(unsigned char key, int x, int y);
  static void special_callback(int key, int x, int y);
  static void special_up_callback(int key, int x, int y);
  static void mouse_callback(int button, int state, int x, int y);
  static void motion_callback(int x, int y);
  static void wheel_callback(int wheel, int direction, int x, int y);
  static void timer_callback(int value);

  screen::ScreenRuntime& runtime_;
  AppPlatform& platform_;
  FrameBuilder& builder_;
  RunRequests& requests_;
  XBoxPresenter& boxes_;
  KeyRouter router_;
  GlPicture picture_;
  Frame shown_;  // the newest frame taken from the builder, uploaded outside its lock
  DisplayGate gate_{kFirstWindowSize};
  AspectKeeper aspect_{kFirstWindowSize};
  DisplayMode mode_ = DisplayMode::windowed;
  Size client_ = kFirstWindowSize;
  Display* display_ = nullptr;
  Window window_ = 0;
  bool exposed_ = false;
  std::int64_t next_tick_ms_ = 0;

  // The mouse, as the callbacks report it; the program does not read it.
  struct MouseState {
    int x = 0;
    int y = 0;
    std::uint32_t buttons = 0;
    int wheel = 0;
  } mouse_;
};

}  // namespace app
