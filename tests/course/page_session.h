#pragma once
// One run of the built page on a private X server: started from a chosen
// current folder with its sound captured to a file, driven with xdotool,
// looked at through screenshots and heard through the capture.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/course/capture.h"
#include "tests/course/open_log.h"
#include "tests/course/process.h"
#include "tests/course/x_session.h"

namespace course_test {

struct PageStart {
  std::filesystem::path program;
  std::filesystem::path cwd;      // the current folder the page starts from
  std::filesystem::path capture;  // where SDL's disk driver writes the sound
  bool as_nobody = false;
  std::vector<std::pair<std::string, std::string>> env = {};  // more for the page's environment
};

// The sounds heard so far, and the page's opens of its recordings.
struct Listening {
  std::vector<Heard> heard;
  std::vector<Opened> opens;

  std::vector<std::string> names() const { return names_of(heard); }
  // The silence after each sound but the last, by the page's own clock
  // (see silences_by_opens).
  std::vector<double> silences_ms() const;
};

inline constexpr char kCaption[] = "Velquor";

class PageSession {
 public:
  // Starts the page and waits until its window is shown and painted; a page
  // that does not get there fails the test (see started()).
  PageSession(VirtualDisplay& display, const PageStart& start);

  bool started() const { return window_ != 0; }
  Child& process() { return *page_; }
  Window window() const { return window_; }
  Point to_screen(Point client) const { return {origin_.x + client.x, origin_.y + client.y}; }
  Rect to_screen(Rect client) const { return {origin_.x + client.x, origin_.y + client.y, client.width, client.height}; }

  void click(Point client);
  void click_screen(Point screen);
  // Clicks the screen points in one xdotool run, a learner's third of a
  // second apart: quick enough to land during a line.
  void click_in_turn(const std::vector<Point>& screen_points);
  void press(const std::vector<std::string>& keys);  // xdotool key names, one after the other
  Screenshot screenshot() { return display_.screenshot(); }
  Rgb pixel(const Screenshot& shot, Point client) const;
  // Waits until the page's window region stops changing, then shoots.
  Screenshot settled_screenshot();
  // Shoots until `done` holds for a screenshot or the time is up; the last one.
  Screenshot wait_for_screen(const std::function<bool(const Screenshot&)>& done,
                             std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // The place of the first popup (a menu, a chooser's list) once one shows.
  std::optional<Rect> wait_for_popup(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // The screen point of the menu bar's first menu head.
  Point first_menu_head() const;

  // Waits until `count` sounds have been heard and the capture has been
  // silent for `quiet` after the last; the sounds heard, however many, and
  // the opens that played them.
  Listening listen(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(30),
                   std::chrono::milliseconds quiet = std::chrono::milliseconds(200));
  // How many sounds the last listen() heard.
  std::size_t heard_count() const { return heard_count_; }

 private:
  VirtualDisplay& display_;
  std::filesystem::path capture_;
  std::filesystem::path open_log_;  // written by the open_stamp library inside the page
  std::unique_ptr<Child> page_;
  Window window_ = 0;
  Point origin_;
  Rect window_area_;
  std::size_t heard_count_ = 0;
};

// xdotool with the display set.
int xdotool(const VirtualDisplay& display, const std::vector<std::string>& args);

}  // namespace course_test
