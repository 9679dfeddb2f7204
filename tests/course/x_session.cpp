#include "tests/course/x_session.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <thread>

namespace course_test {
namespace {

// Windows come and go while the tests look at them; a vanished window is
// no error.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

std::string read_display_number(int fd, std::chrono::milliseconds timeout) {
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (text.find('\n') == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) throw std::runtime_error("Xvfb did not report its display");
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[32];
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) throw std::runtime_error("Xvfb ended before reporting its display");
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text.substr(0, text.find('\n'));
}

}  // namespace

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string to_string(Rgb c) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d,%d)", c.r, c.g, c.b);
  return text;
}

Rgb Screenshot::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

std::vector<Rgb> Screenshot::region(Rect area) const {
  std::vector<Rgb> out;
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x) out.push_back(at(x, y));
  return out;
}

VirtualDisplay::VirtualDisplay() {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  server_ = std::make_unique<Child>(ChildOptions{
      .argv = {"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
      .pass_fd = fds[1],
      .quiet = true});
  close(fds[1]);
  try {
    name_ = ":" + read_display_number(fds[0], std::chrono::seconds(20));
  } catch (...) {
    close(fds[0]);
    throw;
  }
  close(fds[0]);
  XSetErrorHandler(ignore_x_errors);
  display_ = XOpenDisplay(name_.c_str());
  if (display_ == nullptr) throw std::runtime_error("cannot open display " + name_);
}

VirtualDisplay::~VirtualDisplay() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

Screenshot VirtualDisplay::screenshot() {
  Window root = DefaultRootWindow(display_);
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, root, &attributes);
  XImage* image = XGetImage(display_, root, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("screenshot failed");
  std::vector<Rgb> pixels;
  pixels.reserve(static_cast<std::size_t>(attributes.width) * static_cast<std::size_t>(attributes.height));
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      unsigned long p = XGetPixel(image, x, y);
      pixels.push_back({static_cast<std::uint8_t>((p & image->red_mask) >> 16),
                        static_cast<std::uint8_t>((p & image->green_mask) >> 8),
                        static_cast<std::uint8_t>(p & image->blue_mask)});
    }
  }
  XDestroyImage(image);
  return Screenshot(attributes.width, attributes.height, std::move(pixels));
}

std::vector<Window> VirtualDisplay::mapped_children(bool popups) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  std::vector<Window> out;
  if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) return out;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, children[i], &a) == 0) continue;
    if (a.map_state == IsViewable && (a.override_redirect != 0) == popups) out.push_back(children[i]);
  }
  if (children != nullptr) XFree(children);
  return out;
}

// A window manager marks each window it manages with WM_STATE; the window
// itself or one inside its frame.
std::optional<Window> VirtualDisplay::client_inside(Window frame) {
  const Atom wm_state = XInternAtom(display_, "WM_STATE", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display_, frame, wm_state, 0, 0, False, AnyPropertyType, &type, &format, &items, &after,
                         &data) == Success) {
    if (data != nullptr) XFree(data);
    if (type != None) return frame;
  }
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  std::optional<Window> found;
  if (XQueryTree(display_, frame, &root, &parent, &children, &count) == 0) return found;
  for (unsigned i = 0; i < count && !found; ++i) found = client_inside(children[i]);
  if (children != nullptr) XFree(children);
  return found;
}

std::vector<Window> VirtualDisplay::top_level_windows() {
  std::vector<Window> out;
  for (Window w : mapped_children(false)) {
    if (!window_manager_) {
      out.push_back(w);
    } else if (auto client = client_inside(w)) {
      out.push_back(*client);  // the manager's own windows hold none
    }
  }
  return out;
}
// A window manager keeps a mapped window of one pixel of its own (openbox's
// check window); it shows nothing.
std::vector<Window> VirtualDisplay::popup_windows() {
  std::vector<Window> out;
  for (Window w : mapped_children(true)) {
    const Rect r = geometry(w);
    if (r.width > 1 && r.height > 1) out.push_back(w);
  }
  return out;
}

std::string VirtualDisplay::title_of(Window window) {
  Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Atom net_name = XInternAtom(display_, "_NET_WM_NAME", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display_, window, net_name, 0, 1024, False, utf8, &type, &format, &items, &after,
                         &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<char*>(data), items);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(display_, window, &name) != 0 && name != nullptr) {
    title = name;
    XFree(name);
  }
  return title;
}

std::optional<Window> VirtualDisplay::find_window(std::string_view title) {
  for (Window w : top_level_windows())
    if (title_of(w) == title) return w;
  return std::nullopt;
}

std::optional<Window> VirtualDisplay::wait_for_window(std::string_view title, std::chrono::milliseconds timeout) {
  std::optional<Window> found;
  wait_until([&] { return (found = find_window(title)).has_value(); }, timeout);
  return found;
}

Rect VirtualDisplay::geometry(Window window) {
  XWindowAttributes a;
  XGetWindowAttributes(display_, window, &a);
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, a.width, a.height};
}

Rect VirtualDisplay::frame_geometry(Window window) {
  Window frame = window;
  for (;;) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, frame, &root, &parent, &children, &count) == 0) break;
    if (children != nullptr) XFree(children);
    if (parent == root || parent == 0) break;
    frame = parent;
  }
  return geometry(frame);
}

void VirtualDisplay::start_window_manager() {
  window_manager_ = std::make_unique<Child>(
      ChildOptions{.argv = {"openbox", "--sm-disable"}, .env = {{"DISPLAY", name_}}, .quiet = true});
  // A manager that has taken the screen names its check window on the root.
  const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  for (;;) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const bool named = XGetWindowProperty(display_, DefaultRootWindow(display_), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &items, &after, &data) == Success &&
                       items == 1;
    if (data != nullptr) XFree(data);
    if (named) return;
    if (!window_manager_->running()) throw std::runtime_error("openbox ended at start");
    if (std::chrono::steady_clock::now() >= deadline) throw std::runtime_error("openbox did not take the screen");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::optional<std::string> VirtualDisplay::clipboard_text(std::chrono::milliseconds timeout) {
  const Window requestor = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
  const Atom into = XInternAtom(display_, "C01_TEST_CLIPBOARD", False);
  XConvertSelection(display_, XInternAtom(display_, "CLIPBOARD", False), XInternAtom(display_, "UTF8_STRING", False),
                    into, requestor, CurrentTime);
  XFlush(display_);
  XEvent event{};
  const bool answered = wait_until(
      [&] { return XCheckTypedWindowEvent(display_, requestor, SelectionNotify, &event) == True; }, timeout);
  std::optional<std::string> text;
  if (answered && event.xselection.property != None) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, requestor, into, 0, 1 << 20, True, AnyPropertyType, &type, &format, &items,
                           &after, &data) == Success &&
        data != nullptr) {
      text.emplace(reinterpret_cast<char*>(data), items);
      XFree(data);
    }
  }
  XDestroyWindow(display_, requestor);
  return text;
}

void VirtualDisplay::request_close(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

}  // namespace course_test
