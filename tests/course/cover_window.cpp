#include "tests/course/cover_window.h"

#include <X11/Xlib.h>

#include <chrono>

namespace course_test {
namespace {

constexpr unsigned long kMagenta = 0xFF00FF;

bool shows(const Screenshot& shot, Rect area, Rgb colour) {
  for (const Rgb& pixel : shot.region(area))
    if (pixel != colour) return false;
  return true;
}

}  // namespace

bool repaints_when_uncovered(VirtualDisplay& display, PageSession& page, Rect client) {
  const Rect area = page.to_screen(client);
  const std::vector<Rgb> before = page.settled_screenshot().region(area);

  Display* x = XOpenDisplay(display.name().c_str());
  if (x == nullptr) return false;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = kMagenta;
  const ::Window cover = XCreateWindow(x, DefaultRootWindow(x), area.x, area.y, static_cast<unsigned>(area.width),
                                       static_cast<unsigned>(area.height), 0, CopyFromParent, InputOutput,
                                       CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
  XMapRaised(x, cover);
  XSync(x, False);
  const bool covered =
      shows(page.wait_for_screen([&](const Screenshot& shot) { return shows(shot, area, {255, 0, 255}); }), area,
            {255, 0, 255});
  XDestroyWindow(x, cover);
  XSync(x, False);
  XCloseDisplay(x);
  if (!covered) return false;
  const Screenshot after = page.wait_for_screen([&](const Screenshot& shot) { return shot.region(area) == before; },
                                                std::chrono::seconds(20));
  return after.region(area) == before;
}

}  // namespace course_test
