// x_window_tool: small X requests the window test needs.
//   x_window_tool size WINDOW            prints the client area as "WIDTHxHEIGHT"
//   x_window_tool capture WINDOW OUT.ppm writes the client area as a binary PPM (P6)
//   x_window_tool close WINDOW           sends the close button's WM_DELETE_WINDOW message
//   x_window_tool name WINDOW            prints the window's WM_NAME
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

int usage() {
  std::fprintf(stderr, "usage: x_window_tool size|capture|close|name WINDOW [OUT.ppm]\n");
  return 2;
}

int mask_shift(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1UL) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

unsigned char channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = mask_shift(mask);
  const unsigned long max = mask >> shift;
  return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / max);
}

int capture(Display* display, Window window, const char* path) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return 1;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned int>(attributes.width),
                            static_cast<unsigned int>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return 1;
  std::string bytes = "P6\n" + std::to_string(attributes.width) + " " + std::to_string(attributes.height) + "\n255\n";
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      bytes.push_back(static_cast<char>(channel(pixel, attributes.visual->red_mask)));
      bytes.push_back(static_cast<char>(channel(pixel, attributes.visual->green_mask)));
      bytes.push_back(static_cast<char>(channel(pixel, attributes.visual->blue_mask)));
    }
  }
  XDestroyImage(image);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}

int close(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  if (XSendEvent(display, window, False, NoEventMask, &event) == 0) return 1;
  XSync(display, False);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  char* end = nullptr;
  const Window window = static_cast<Window>(std::strtoul(argv[2], &end, 0));
  if (end == argv[2] || *end != '\0') return usage();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x_window_tool: no display\n");
    return 1;
  }
  int result = 0;
  if (command == "size") {
    XWindowAttributes attributes;
    result = XGetWindowAttributes(display, window, &attributes) == 0 ? 1 : 0;
    if (result == 0) std::printf("%dx%d\n", attributes.width, attributes.height);
  } else if (command == "capture" && argc == 4) {
    result = capture(display, window, argv[3]);
  } else if (command == "close") {
    result = close(display, window);
  } else if (command == "name") {
    char* name = nullptr;
    result = XFetchName(display, window, &name) == 0 ? 1 : 0;
    if (name != nullptr) {
      std::printf("%s\n", name);
      XFree(name);
    }
  } else {
    result = usage();
  }
  XCloseDisplay(display);
  return result;
}
