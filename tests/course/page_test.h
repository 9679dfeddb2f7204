#pragma once
// The fixture of the real-window tests: a private X server per test and the
// page started on it.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/pictures/pixels.h"
#include "tests/course/course_folder.h"
#include "tests/course/layout.h"
#include "tests/course/page_session.h"
#include "tests/course/recordings.h"

namespace course_test {

class LivePageTest : public ::testing::Test {
 public:
  PageSession& page() { return *page_; }
  VirtualDisplay& display() { return display_; }

 protected:
  // Starts `program` from the current folder `cwd`, its sound captured in
  // `scratch`; fails the test when the window does not come up.
  void start_page(const std::filesystem::path& program, const std::filesystem::path& cwd,
                  const std::filesystem::path& scratch, bool as_nobody = false);
  // The page of a course folder made for the test, started from the folder
  // that holds the course.
  void start_page(const CourseFolder& course, bool as_nobody = false);

  void click_card(std::string_view name) { page().click(layout::centre(layout::card(name).rect)); }

  // Runs `action` and checks that it plays `names` with `silences` between
  // them, timed by the page's own clock (see expect_silences).
  void expect_played(const std::function<void()>& action, const std::vector<std::string>& names,
                     const std::vector<double>& silences,
                     std::chrono::milliseconds quiet = std::chrono::milliseconds(1200));
  VirtualDisplay display_;
  std::unique_ptr<PageSession> page_;
};

// A picture of the page as its files hold it.
rt::pictures::Pixels page_picture(const std::string& file);
// The share of the picture's pixels that the screen shows exactly, with the
// picture's top left at `at` (screen pixels).
double shown_share(const Screenshot& shot, Point at, const rt::pictures::Pixels& picture);

// Whether the screen shows the explanation panel of that chooser entry (0 to
// 3) whole, in a white frame fitted to its height.
bool panel_shown(const PageSession& page, const Screenshot& shot, std::size_t entry);
inline constexpr std::size_t kPanelCount = 4;

// Checks silences in ms against their expected lengths: none shorter (give
// or take a device period), none longer than a busy machine makes them.
void expect_silences(const std::vector<double>& measured, const std::vector<double>& expected);

}  // namespace course_test
