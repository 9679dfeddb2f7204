#include "tests/course/page_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <thread>

#include "tests/course/layout.h"
#include "tests/course/recordings.h"

namespace course_test {
namespace fs = std::filesystem;
using namespace std::chrono_literals;
namespace {

constexpr Rgb kTitleYellow{255, 255, 192};

std::string sanitizer_options() {
  // The test's own: a leak found when the page ends fails it, as any other
  // sanitizer report does.
  const char* inherited = std::getenv("ASAN_OPTIONS");
  return inherited != nullptr ? inherited : "";
}

// The client area's top left: the first pixel of the pale yellow title strip.
std::optional<Point> find_client_origin(const Screenshot& shot, Rect window) {
  const int probe_x = window.x + layout::centre(layout::kTitleStrip).x;
  for (int y = window.y; y < window.y + window.height; ++y) {
    if (shot.at(probe_x, y) != kTitleYellow) continue;
    int x = probe_x;
    while (x > window.x && shot.at(x - 1, y) == kTitleYellow) --x;
    return Point{x, y};
  }
  return std::nullopt;
}

// Made beforehand, open to all, so that a page run as another user may
// write it.
void make_shared_file(const fs::path& file) {
  std::ofstream(file).close();
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
}

bool tail_is_quiet(const std::vector<float>& capture, long samples) {
  if (static_cast<long>(capture.size()) < samples) return false;
  for (auto it = capture.end() - samples; it != capture.end(); ++it)
    if (*it != 0.0f) return false;
  return true;
}

}  // namespace

std::vector<double> Listening::silences_ms() const {
  return silences_by_opens(heard, opens, device_samples_per_ms());
}

int xdotool(const VirtualDisplay& display, const std::vector<std::string>& args) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return run_tool(argv, {{"DISPLAY", display.name()}});
}

PageSession::PageSession(VirtualDisplay& display, const PageStart& start)
    : display_(display), capture_(start.capture), open_log_(fs::path(start.capture).replace_extension(".opens")) {
  make_shared_file(capture_);
  make_shared_file(open_log_);
  std::vector<std::pair<std::string, std::string>> env{{"DISPLAY", display.name()},
                                                       {"QT_QPA_PLATFORM", "xcb"},
                                                       {"WAYLAND_DISPLAY", ""},
                                                       {"SDL_AUDIODRIVER", "disk"},
                                                       {"SDL_DISKAUDIOFILE", capture_.string()},
                                                       {"LD_PRELOAD", C01_OPEN_STAMP},
                                                       {"COURSE_TEST_OPEN_LOG", open_log_.string()},
                                                       {"ASAN_OPTIONS", sanitizer_options()}};
  env.insert(env.end(), start.env.begin(), start.env.end());
  page_ = std::make_unique<Child>(ChildOptions{
      .argv = {start.program.string()}, .cwd = start.cwd, .env = env, .as_nobody = start.as_nobody, .quiet = true});
  auto window = display.wait_for_window(kCaption, 30s);
  if (!window) {
    ADD_FAILURE() << "the page's window \"" << kCaption << "\" did not appear";
    return;
  }
  const Rect area = display.geometry(*window);
  window_area_ = area;
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (std::chrono::steady_clock::now() < deadline) {
    if (auto origin = find_client_origin(display.screenshot(), area)) {
      origin_ = *origin;
      window_ = *window;
      settled_screenshot();
      return;
    }
    std::this_thread::sleep_for(50ms);
  }
  ADD_FAILURE() << "the page's window was never painted with its title strip";
}

void PageSession::click(Point client) { click_screen(to_screen(client)); }

void PageSession::click_screen(Point p) {
  ASSERT_EQ(xdotool(display_, {"mousemove", std::to_string(p.x), std::to_string(p.y), "click", "1"}), 0);
}

void PageSession::click_in_turn(const std::vector<Point>& points) {
  std::vector<std::string> args;
  for (const Point& p : points)
    args.insert(args.end(), {"mousemove", std::to_string(p.x), std::to_string(p.y), "click", "1", "sleep", "0.3"});
  ASSERT_EQ(xdotool(display_, args), 0);
}

void PageSession::press(const std::vector<std::string>& keys) {
  ASSERT_EQ(xdotool(display_, {"windowfocus", std::to_string(window_)}), 0);
  std::vector<std::string> args{"key", "--delay", "60"};
  args.insert(args.end(), keys.begin(), keys.end());
  ASSERT_EQ(xdotool(display_, args), 0);
}

Rgb PageSession::pixel(const Screenshot& shot, Point client) const {
  const Point p = to_screen(client);
  return shot.at(p.x, p.y);
}

Screenshot PageSession::settled_screenshot() {
  const Rect area = display_.geometry(window_);
  Screenshot previous = display_.screenshot();
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  for (;;) {
    std::this_thread::sleep_for(150ms);
    Screenshot current = display_.screenshot();
    if (current.region(area) == previous.region(area) || std::chrono::steady_clock::now() >= deadline)
      return current;
    previous = std::move(current);
  }
}

Screenshot PageSession::wait_for_screen(const std::function<bool(const Screenshot&)>& done,
                                        std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Screenshot shot = display_.screenshot();
    if (done(shot) || std::chrono::steady_clock::now() >= deadline) return shot;
    std::this_thread::sleep_for(50ms);
  }
}

std::optional<Rect> PageSession::wait_for_popup(std::chrono::milliseconds timeout) {
  std::optional<Rect> found;
  wait_until(
      [&] {
        const auto popups = display_.popup_windows();
        if (!popups.empty()) found = display_.geometry(popups.front());
        return found.has_value();
      },
      timeout);
  return found;
}

Point PageSession::first_menu_head() const {
  // The menu bar fills the window above the client area; its first head
  // begins at the left.
  return {window_area_.x + 25, (window_area_.y + origin_.y) / 2};
}

Listening PageSession::listen(std::size_t count, std::chrono::milliseconds timeout, std::chrono::milliseconds quiet) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const long quiet_samples = static_cast<long>(static_cast<double>(quiet.count()) * device_samples_per_ms());
  Listening result;
  for (;;) {
    const auto capture = read_capture(capture_, kDevice);
    const bool done_waiting = std::chrono::steady_clock::now() >= deadline;
    if (tail_is_quiet(capture, quiet_samples) || done_waiting) {
      result.heard = hear(capture, demo_recordings());
      if (result.heard.size() >= count || done_waiting) break;
    }
    std::this_thread::sleep_for(50ms);
  }
  heard_count_ = result.heard.size();
  // Read after the capture: every sound in it was opened before it sounded.
  result.opens = read_open_log(open_log_);
  return result;
}

}  // namespace course_test
