#pragma once
// Takes from the X connection, as events arrive and before FreeGLUT sees them, what FreeGLUT
// would mishandle or ignore: the close button (a WM_DELETE_WINDOW message, on which FreeGLUT
// destroys the window) and the Pause and Break keys (which it does not report). Expose events
// are noted and passed on. Everything runs on the thread that reads the connection.
#include <X11/Xlib.h>

#include <vector>

#include "app/key_mapping.h"

namespace app {

struct SystemKeyPress {
  SystemKey key = SystemKey::pause;
  bool ctrl_held = false;
};

struct XEventHarvest {
  bool close_requested = false;
  bool exposed = false;
  std::vector<SystemKeyPress> keys;
};

// Installs the hooks for one window of the display; call once, on the window's thread.
void install_x_event_hooks(Display* display, Window window);
// What arrived since the last call.
XEventHarvest take_x_event_harvest();

}  // namespace app
