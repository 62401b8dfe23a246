#include "app/window/glut_window.h"

#include <GL/glew.h>
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <poll.h>

#include <cstdio>
#include <string>

#include "app/window/x_event_hook.h"

namespace app {

namespace {

GlutWindow* the_window = nullptr;

int glut_modifiers() { return glutGetModifiers(); }

}  // namespace

GlutWindow::GlutWindow(screen::ScreenRuntime& runtime, AppPlatform& platform, FrameBuilder& builder,
                       RunRequests& requests, XBoxPresenter& boxes)
    : runtime_(runtime),
      platform_(platform),
      builder_(builder),
      requests_(requests),
      boxes_(boxes),
      router_(runtime, requests),
      picture_(platform) {}

void GlutWindow::initialise(int& argc, char** argv) {
  glutInitWindowSize(kFirstWindowSize.width, kFirstWindowSize.height);  // before -geometry is read
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  if (glutGet(GLUT_DISPLAY_MODE_POSSIBLE) == 0) {
    std::fprintf(stderr, "winding_schemes: the OpenGL display mode (RGBA, double buffer, depth) is not possible\n");
    platform_.exit_process(1);
  }
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
}

void GlutWindow::create() {
  const std::string title = platform_.take_pending_title().value_or("Untitled");
  glutCreateWindow(title.c_str());
  const GLenum glew = glewInit();
  if (glew != GLEW_OK) platform_.alert_box(reinterpret_cast<const char*>(glewGetErrorString(glew)));

  the_window = this;
  glutDisplayFunc(display_callback);
  glutReshapeFunc(reshape_callback);
  glutKeyboardFunc(keyboard_callback);
  glutKeyboardUpFunc(keyboard_up_callback);
  glutSpecialFunc(special_callback);
  glutSpecialUpFunc(special_up_callback);
  glutMouseFunc(mouse_callback);
  glutMotionFunc(motion_callback);
  glutPassiveMotionFunc(motion_callback);
  glutMouseWheelFunc(wheel_callback);
  glutIgnoreKeyRepeat(0);

  display_ = glXGetCurrentDisplay();
  window_ = static_cast<Window>(glXGetCurrentDrawable());
  install_x_event_hooks(display_, window_);
  boxes_.set_owner_window(window_);
  arm_tick();
}

void GlutWindow::run() {
  create();
  for (;;) {
    glutMainLoopEvent();
    handle_harvest();
    if (XPending(display_) > 0) continue;
    const std::int64_t wait_ms = next_tick_ms_ - platform_.clock_ms();
    if (wait_ms <= 0) continue;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(wait_ms));
  }
}

void GlutWindow::handle_harvest() {
  XEventHarvest harvest = take_x_event_harvest();
  if (harvest.close_requested) requests_.end_run.store(true);
  if (harvest.exposed) {
    exposed_ = true;
    glutPostRedisplay();
  }
  for (const SystemKeyPress& press : harvest.keys) router_.handle(map_system_key(press.key, press.ctrl_held));
}

void GlutWindow::arm_tick() {
  next_tick_ms_ = platform_.clock_ms() + kRedrawTick_ms;
  glutTimerFunc(static_cast<unsigned int>(kRedrawTick_ms), timer_callback, 0);
}

void GlutWindow::on_tick() {
  if (const std::optional<std::string> title = platform_.take_pending_title()) glutSetWindowTitle(title->c_str());
  // The display callback would return without drawing: spare FreeGLUT the call.
  if (needs_redraw()) glutPostRedisplay();
  arm_tick();
}

bool GlutWindow::needs_redraw() const {
  return gate_.should_draw(builder_.serial(), client_, mode_, exposed_, runtime_.words.suspend_flag.load() != 0);
}

Size GlutWindow::frame_size() const { return gate_.frame_size(); }

void GlutWindow::on_display() {
  const std::uint64_t serial = builder_.serial();
  if (!gate_.should_draw(serial, client_, mode_, exposed_, runtime_.words.suspend_flag.load() != 0)) return;
  exposed_ = false;
  if (gate_.needs_upload(serial) && builder_.take_newest(shown_)) {
    picture_.upload(shown_);
    const std::optional<Size> resized = gate_.uploaded(shown_.serial, Size{shown_.width, shown_.height});
    if (resized && !is_full_screen(mode_)) {
      aspect_.runtime_set(*resized);
      glutReshapeWindow(resized->width, resized->height);
    }
  }
  picture_.draw(client_, place_picture(mode_, runtime_.resize_mode(), client_, frame_size()));
  glutSwapBuffers();
  gate_.drawn(client_, mode_);
}

void GlutWindow::on_reshape(int width, int height) {
  client_ = Size{width, height};
  const bool correct = !is_full_screen(mode_) && runtime_.resize_mode() == 2;
  if (const std::optional<Size> corrected = aspect_.reported(client_, frame_size(), correct)) {
    glutReshapeWindow(corrected->width, corrected->height);
  }
  glutPostRedisplay();
}

void GlutWindow::on_key(unsigned char key) {
  if (router_.handle(map_character_key(key, glut_modifiers()))) cycle_display_mode();
}

void GlutWindow::on_special(int key) {
  if (router_.handle(map_special_key(key, glut_modifiers()))) cycle_display_mode();
}

void GlutWindow::cycle_display_mode() {
  const DisplayMode next = next_display_mode(mode_);
  if (!is_full_screen(mode_) && is_full_screen(next)) glutFullScreen();
  if (is_full_screen(mode_) && !is_full_screen(next)) glutLeaveFullScreen();
  mode_ = next;
  glutPostRedisplay();
}

void GlutWindow::display_callback() { the_window->on_display(); }
void GlutWindow::reshape_callback(int width, int height) { the_window->on_reshape(width, height); }
void GlutWindow::keyboard_callback(unsigned char key, int /*x*/, int /*y*/) { the_window->on_key(key); }
void GlutWindow::keyboard_up_callback(unsigned char /*key*/, int /*x*/, int /*y*/) {}
void GlutWindow::special_callback(int key, int /*x*/, int /*y*/) { the_window->on_special(key); }
void GlutWindow::special_up_callback(int /*key*/, int /*x*/, int /*y*/) {}
void GlutWindow::timer_callback(int /*value*/) { the_window->on_tick(); }

void GlutWindow::mouse_callback(int button, int state, int x, int y) {
  MouseState& mouse = the_window->mouse_;
  mouse.x = x;
  mouse.y = y;
  if (button < 0 || button > 31) return;
  const std::uint32_t bit = 1U << static_cast<unsigned int>(button);
  mouse.buttons = state == GLUT_DOWN ? (mouse.buttons | bit) : (mouse.buttons & ~bit);
}

void GlutWindow::motion_callback(int x, int y) {
  the_window->mouse_.x = x;
  the_window->mouse_.y = y;
}

void GlutWindow::wheel_callback(int /*wheel*/, int direction, int x, int y) {
  MouseState& mouse = the_window->mouse_;
  mouse.x = x;
  mouse.y = y;
  mouse.wheel += direction > 0 ? 1 : (direction < 0 ? -1 : 0);
}

}  // namespace app
