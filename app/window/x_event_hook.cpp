#include "app/window/x_event_hook.h"

#include <algorithm>
#include <vector>

// Xlibint.h declares the hook interface (and defines min and max as macros).
#include <X11/Xlibint.h>
#include <X11/keysym.h>
#undef min
#undef max

namespace app {

namespace {

using WireToEvent = Bool (*)(Display*, XEvent*, xEvent*);

// Touched only by the thread that reads the window's connection (hooks run inside Xlib's reads).
struct HookState {
  Display* display = nullptr;
  Window window = 0;
  Atom wm_protocols = None;
  Atom wm_delete_window = None;
  std::vector<KeyCode> pause_codes;
  std::vector<KeyCode> break_codes;
  WireToEvent key_press = nullptr;
  WireToEvent client_message = nullptr;
  WireToEvent expose = nullptr;
  XEventHarvest harvest;
};
HookState state;

bool contains(const std::vector<KeyCode>& codes, unsigned int code) {
  return std::find(codes.begin(), codes.end(), static_cast<KeyCode>(code)) != codes.end();
}

Bool on_key_press(Display* display, XEvent* event, xEvent* wire) {
  const Bool keep = state.key_press(display, event, wire);
  if (!keep || display != state.display || event->xkey.window != state.window) return keep;
  const unsigned int code = event->xkey.keycode;
  const bool ctrl = (event->xkey.state & ControlMask) != 0;
  if (contains(state.pause_codes, code)) {
    state.harvest.keys.push_back({SystemKey::pause, ctrl});
    return False;
  }
  if (contains(state.break_codes, code)) {
    state.harvest.keys.push_back({SystemKey::break_key, ctrl});
    return False;
  }
  return keep;
}

Bool on_client_message(Display* display, XEvent* event, xEvent* wire) {
  const Bool keep = state.client_message(display, event, wire);
  if (!keep || display != state.display) return keep;
  const XClientMessageEvent& message = event->xclient;
  if (message.window == state.window && message.message_type == state.wm_protocols && message.format == 32 &&
      static_cast<Atom>(message.data.l[0]) == state.wm_delete_window) {
    state.harvest.close_requested = true;
    return False;
  }
  return keep;
}

Bool on_expose(Display* display, XEvent* event, xEvent* wire) {
  const Bool keep = state.expose(display, event, wire);
  if (keep && display == state.display && event->xexpose.window == state.window) state.harvest.exposed = true;
  return keep;
}

// Keycodes that carry the Pause keysym, and those that carry Break without Pause.
void find_system_keycodes(Display* display) {
  int first = 0;
  int last = 0;
  XDisplayKeycodes(display, &first, &last);
  int per_code = 0;
  KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &per_code);
  if (map == nullptr) return;
  for (int code = first; code <= last; ++code) {
    bool pause = false;
    bool break_key = false;
    for (int level = 0; level < per_code; ++level) {
      const KeySym sym = map[(code - first) * per_code + level];
      pause = pause || sym == XK_Pause;
      break_key = break_key || sym == XK_Break;
    }
    if (pause) state.pause_codes.push_back(static_cast<KeyCode>(code));
    if (break_key && !pause) state.break_codes.push_back(static_cast<KeyCode>(code));
  }
  XFree(map);
}

}  // namespace

void install_x_event_hooks(Display* display, Window window) {
  state.display = display;
  state.window = window;
  state.wm_protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  state.wm_delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
  find_system_keycodes(display);
  state.key_press = XESetWireToEvent(display, KeyPress, on_key_press);
  state.client_message = XESetWireToEvent(display, ClientMessage, on_client_message);
  state.expose = XESetWireToEvent(display, Expose, on_expose);
}

XEventHarvest take_x_event_harvest() {
  XEventHarvest harvest = std::move(state.harvest);
  state.harvest = XEventHarvest{};
  return harvest;
}

}  // namespace app
