#include "app/window/x_message_box.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <cstdlib>
#include <optional>

#include "app/box_model.h"

namespace app {

namespace {

constexpr int kPoll_ms = 20;

BoxKey box_key(KeySym sym) {
  switch (sym) {
    case XK_Return:
    case XK_KP_Enter:
    case XK_space: return BoxKey::activate;
    case XK_Escape: return BoxKey::cancel;
    case XK_Tab:
    case XK_Right:
    case XK_Down: return BoxKey::next;
    case XK_ISO_Left_Tab:
    case XK_Left:
    case XK_Up: return BoxKey::previous;
    case XK_y:
    case XK_Y: return BoxKey::yes_letter;
    case XK_n:
    case XK_N: return BoxKey::no_letter;
    default: return BoxKey::other;
  }
}

int mask_shift(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1UL) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

unsigned long channel(std::uint32_t value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = mask_shift(mask);
  const unsigned long max = mask >> shift;
  return ((static_cast<unsigned long>(value) * max + 127) / 255) << shift;
}

// A TrueColor image of the box's pixels, ready for XPutImage.
XImage* make_image(Display* display, Visual* visual, int depth, const BoxModel& model) {
  const Size size = model.size();
  XImage* image = XCreateImage(display, visual, static_cast<unsigned int>(depth), ZPixmap, 0, nullptr,
                               static_cast<unsigned int>(size.width), static_cast<unsigned int>(size.height), 32, 0);
  if (image == nullptr) return nullptr;
  image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) *
                                               static_cast<std::size_t>(size.height)));
  if (image->data == nullptr) {
    XDestroyImage(image);
    return nullptr;
  }
  const std::vector<std::uint32_t> pixels = model.render();
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const std::uint32_t rgb = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width) +
                                       static_cast<std::size_t>(x)];
      XPutPixel(image, x, y,
                channel((rgb >> 16) & 0xFF, visual->red_mask) | channel((rgb >> 8) & 0xFF, visual->green_mask) |
                    channel(rgb & 0xFF, visual->blue_mask));
    }
  }
  return image;
}

void set_atom_property(Display* display, Window window, const char* property, const std::vector<const char*>& values) {
  std::vector<Atom> atoms;
  for (const char* value : values) atoms.push_back(XInternAtom(display, value, False));
  XChangeProperty(display, window, XInternAtom(display, property, False), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

class XBox {
 public:
  XBox(Display* display, Window owner, const BoxRequest& request) : display_(display), model_(request) {
    const int screen = DefaultScreen(display_);
    visual_ = DefaultVisual(display_, screen);
    depth_ = DefaultDepth(display_, screen);
    const Window root = RootWindow(display_, screen);
    const Size size = model_.size();

    const Point place = centre_over(owner);
    const int x = place.x;
    const int y = place.y;

    window_ = XCreateSimpleWindow(display_, root, x, y, static_cast<unsigned int>(size.width),
                                  static_cast<unsigned int>(size.height), 0, BlackPixel(display_, screen),
                                  BlackPixel(display_, screen));
    XStoreName(display_, window_, request.caption.c_str());
    XSizeHints* hints = XAllocSizeHints();
    if (hints != nullptr) {
      hints->flags = PPosition | PMinSize | PMaxSize;
      hints->x = x;
      hints->y = y;
      hints->min_width = hints->max_width = size.width;
      hints->min_height = hints->max_height = size.height;
      XSetWMNormalHints(display_, window_, hints);
      XFree(hints);
    }
    XWMHints* wm_hints = XAllocWMHints();
    if (wm_hints != nullptr) {
      wm_hints->flags = InputHint;
      wm_hints->input = True;
      XSetWMHints(display_, window_, wm_hints);
      XFree(wm_hints);
    }
    if (owner != 0) XSetTransientForHint(display_, window_, owner);
    owner_ = owner;
    set_atom_property(display_, window_, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_DIALOG"});
    set_atom_property(display_, window_, "_NET_WM_STATE", {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_MODAL"});
    wm_delete_window_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window_, &wm_delete_window_, 1);
    XSelectInput(display_, window_,
                 ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask |
                     VisibilityChangeMask);

    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    restore_focus_ = owner != 0 && focus == owner ? owner : 0;

    gc_ = XCreateGC(display_, window_, 0, nullptr);
    XMapRaised(display_, window_);
    XFlush(display_);
  }

  ~XBox() {
    XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    if (restore_focus_ != 0) XSetInputFocus(display_, restore_focus_, RevertToParent, CurrentTime);
    XFlush(display_);
  }

  XBox(const XBox&) = delete;
  XBox& operator=(const XBox&) = delete;

  // The program's window appeared after the box: the box moves over it and stays above it.
  void adopt_owner(Window owner) {
    if (owner == 0 || owner_ != 0) return;
    owner_ = owner;
    XSetTransientForHint(display_, window_, owner);
    const Point place = centre_over(owner);
    XMoveWindow(display_, window_, place.x, place.y);
    XRaiseWindow(display_, window_);
    XFlush(display_);
  }

  std::optional<screen::BoxAnswer> handle(XEvent& event) {
    switch (event.type) {
      case VisibilityNotify:
        // Kept above everything else, the program's window included, until answered.
        if (event.xvisibility.state != VisibilityUnobscured) XRaiseWindow(display_, window_);
        return std::nullopt;
      case MapNotify:
        XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
        return std::nullopt;
      case Expose:
        if (event.xexpose.count == 0) paint();
        return std::nullopt;
      case KeyPress: {
        const KeySym sym = XLookupKeysym(&event.xkey, (event.xkey.state & ShiftMask) != 0 ? 1 : 0);
        const std::size_t focus = model_.focus();
        const std::optional<screen::BoxAnswer> answer = model_.key(box_key(sym));
        if (model_.focus() != focus) paint();
        return answer;
      }
      case ButtonPress:
        if (event.xbutton.button == Button1) {
          model_.mouse_down(event.xbutton.x, event.xbutton.y);
          paint();
        }
        return std::nullopt;
      case ButtonRelease:
        if (event.xbutton.button == Button1) {
          const std::optional<screen::BoxAnswer> answer = model_.mouse_up(event.xbutton.x, event.xbutton.y);
          paint();
          return answer;
        }
        return std::nullopt;
      case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == wm_delete_window_) return model_.close();
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

 private:
  struct Point {
    int x = 0;
    int y = 0;
  };

  // The top-left corner that centres the box over the owner (or the screen), kept on screen.
  Point centre_over(Window owner) {
    const int screen = DefaultScreen(display_);
    const Size size = model_.size();
    Point place{(DisplayWidth(display_, screen) - size.width) / 2, (DisplayHeight(display_, screen) - size.height) / 2};
    if (owner != 0) {
      Window child = 0;
      Window owner_root = 0;
      int owner_x = 0;
      int owner_y = 0;
      unsigned int width = 0;
      unsigned int height = 0;
      unsigned int border = 0;
      unsigned int owner_depth = 0;
      if (XGetGeometry(display_, owner, &owner_root, &owner_x, &owner_y, &width, &height, &border, &owner_depth) &&
          XTranslateCoordinates(display_, owner, RootWindow(display_, screen), 0, 0, &owner_x, &owner_y, &child)) {
        place.x = owner_x + (static_cast<int>(width) - size.width) / 2;
        place.y = owner_y + (static_cast<int>(height) - size.height) / 2;
      }
    }
    if (place.x < 0) place.x = 0;
    if (place.y < 0) place.y = 0;
    return place;
  }

  void paint() {
    XImage* image = make_image(display_, visual_, depth_, model_);
    if (image == nullptr) return;
    const Size size = model_.size();
    XPutImage(display_, window_, gc_, image, 0, 0, 0, 0, static_cast<unsigned int>(size.width),
              static_cast<unsigned int>(size.height));
    XDestroyImage(image);
    XFlush(display_);
  }

  Display* display_;
  BoxModel model_;
  Visual* visual_ = nullptr;
  int depth_ = 0;
  Window window_ = 0;
  Window owner_ = 0;
  Window restore_focus_ = 0;
  Atom wm_delete_window_ = None;
  GC gc_ = nullptr;
};

}  // namespace

screen::BoxAnswer XBoxPresenter::show(const BoxRequest& request, const std::function<bool()>& cancelled) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return fallback_.show(request, cancelled);
  const Visual* visual = DefaultVisual(display, DefaultScreen(display));
  if (visual->c_class != TrueColor || DefaultDepth(display, DefaultScreen(display)) < 15) {
    XCloseDisplay(display);
    return fallback_.show(request, cancelled);
  }
  screen::BoxAnswer answer = request.buttons == BoxButtons::yes_no ? screen::BoxAnswer::no : screen::BoxAnswer::yes;
  {
    XBox box(display, static_cast<Window>(owner_window_.load()), request);
    for (bool decided = false; !decided;) {
      while (!decided && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (const std::optional<screen::BoxAnswer> chosen = box.handle(event)) {
          answer = *chosen;
          decided = true;
        }
      }
      if (decided || cancelled()) break;
      box.adopt_owner(static_cast<Window>(owner_window_.load()));
      pollfd connection{ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, kPoll_ms);
    }
  }
  XCloseDisplay(display);
  return answer;
}

}  // namespace app
