// The process entry: the working folder, the clock origin, the runtime and its three threads,
// then the window on the main thread.
#include <GL/glew.h>
#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <pthread.h>

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <thread>

#include "app/app_platform.h"
#include "app/frame_builder.h"
#include "app/main_loop.h"
#include "app/program_thread.h"
#include "app/run_requests.h"
#include "app/startup.h"
#include "app/window/glut_window.h"
#include "app/window/x_message_box.h"
#include "scheme/main_module.h"
#include "screen/runtime.h"

namespace {

app::AppPlatform* the_platform = nullptr;

// Names the calling thread as tools that list threads (top -H, /proc) show it.
void name_this_thread(const char* name) { pthread_setname_np(pthread_self(), name); }

void glut_fatal_error(const char* format, va_list arguments) {
  std::fputs("winding_schemes: ", stderr);
  std::vfprintf(stderr, format, arguments);
  std::fputc('\n', stderr);
  the_platform->exit_process(1);
}

}  // namespace

int main(int argc, char** argv) {
  XInitThreads();
  app::enter_executable_folder();

  static app::XBoxPresenter boxes;
  static app::AppPlatform platform(boxes);
  the_platform = &platform;
  app::wait_for_next_second([] { return std::time(nullptr); },
                            [](int duration_ms) { std::this_thread::sleep_for(std::chrono::milliseconds(duration_ms)); });
  platform.start_clock();

  static screen::ScreenRuntime runtime(platform);
  platform.watch(runtime.words);
  static app::RunRequests requests;
  static app::FrameBuilder builder(runtime);

  std::thread([] {
    name_this_thread("program");
    app::run_program_thread(runtime, [](screen::ScreenRuntime& rt) { scheme::main_module(rt); });
  }).detach();
  std::thread([] {
    name_this_thread("timer-trap");
    app::run_timer_trap_thread(runtime, requests);
  }).detach();
  std::thread([] {
    name_this_thread("main-loop");
    app::run_main_loop_thread(runtime, builder, requests);
  }).detach();

  glutInitErrorFunc(glut_fatal_error);
  static app::GlutWindow window(runtime, platform, builder, requests, boxes);
  window.initialise(argc, argv);
  window.run();
}
