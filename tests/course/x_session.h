#pragma once
// A private X server (Xvfb) for one test, with what the tests need of it:
// the page's window, the other top-level windows, screenshots, and a close
// request as a window manager would send it.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/course/process.h"

struct _XDisplay;

namespace course_test {

using Window = unsigned long;  // an X window id; Xlib itself stays out of the tests

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
std::string to_string(Rgb colour);

struct Point {
  int x = 0, y = 0;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// Checks `done` until it holds or the time is up; whether it held.
bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds timeout);

class Screenshot {
 public:
  Screenshot(int width, int height, std::vector<Rgb> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}
  Rgb at(int x, int y) const;  // black outside the screen
  // The pixels of one rectangle, row by row (to compare two states).
  std::vector<Rgb> region(Rect area) const;

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

class VirtualDisplay {
 public:
  VirtualDisplay();  // starts Xvfb on a free display number
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  const std::string& name() const { return name_; }  // ":N"
  // Starts openbox on the display and waits until it manages the screen;
  // windows mapped from then on get its frame.
  void start_window_manager();
  Screenshot screenshot();
  // Mapped top-level windows that a window manager would manage (popups
  // such as menus and tooltips are left out): the programs' own windows,
  // inside their frames when a manager runs.
  std::vector<Window> top_level_windows();
  // Mapped popups that show something: menus, lists of a chooser, tooltips.
  std::vector<Window> popup_windows();
  std::optional<Window> find_window(std::string_view title);
  std::optional<Window> wait_for_window(std::string_view title, std::chrono::milliseconds timeout);
  Rect geometry(Window window);
  // The place and size of the frame around a top-level window on the
  // screen; the window's own when no manager frames it.
  Rect frame_geometry(Window window);
  // The clipboard's text as its owner hands it over, if any owner does.
  std::optional<std::string> clipboard_text(std::chrono::milliseconds timeout);
  // WM_DELETE_WINDOW, the request a window manager sends for the close box.
  void request_close(Window window);

 private:
  std::string title_of(Window window);
  std::vector<Window> mapped_children(bool popups);
  std::optional<Window> client_inside(Window frame);

  std::unique_ptr<Child> server_;
  std::unique_ptr<Child> window_manager_;  // ends before its server
  std::string name_;
  _XDisplay* display_ = nullptr;
};

}  // namespace course_test
