// The page on a desktop with a window manager (openbox): the window's place
// and size are its frame's, the client area is what the frame leaves, and
// the caption can be seen.

#include <algorithm>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

using namespace std::chrono_literals;

constexpr Rect kOuter{0, 0, 1024, 740};

bool same(Rect a, Rect b) { return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height; }

std::string to_string(Rect r) {
  return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
         std::to_string(r.y);
}

// Pixels of the title bar's middle that differ from the bar at its left
// end, row by row: the caption's letters (the bar's shading runs down it).
int caption_ink(const Screenshot& shot, Rect frame, Rect client) {
  int ink = 0;
  for (int y = frame.y; y < client.y; ++y) {
    const Rgb bar = shot.at(frame.x + 100, y);
    for (int x = frame.x + frame.width / 2 - 80; x < frame.x + frame.width / 2 + 80; ++x) {
      const Rgb p = shot.at(x, y);
      if (std::abs(p.r - bar.r) + std::abs(p.g - bar.g) + std::abs(p.b - bar.b) > 120) ++ink;
    }
  }
  return ink;
}

TEST_F(LivePageTest, UnderAWindowManagerTheFrameIsTheWindowsPlaceAndSize) {
  display_.start_window_manager();
  CourseFolder course;
  start_page(course);
  const Window window = page().window();
  // The manager may still be settling the frame when the page is first seen.
  const bool placed = wait_until([&] { return same(display_.frame_geometry(window), kOuter); }, 10s);
  const Rect frame = display_.frame_geometry(window);
  EXPECT_TRUE(placed) << "frame " << to_string(frame) << ", wanted " << to_string(kOuter);

  // The client area lies inside the frame, which keeps a title bar above it.
  const Rect client = display_.geometry(window);
  EXPECT_GE(client.x, frame.x);
  EXPECT_GT(client.y, frame.y);
  EXPECT_LE(client.x + client.width, frame.x + frame.width);
  EXPECT_LE(client.y + client.height, frame.y + frame.height);
  EXPECT_LT(client.height, kOuter.height) << "client " << to_string(client);

  // The title bar is on the screen and shows the caption.
  const Screenshot shot = page().settled_screenshot();
  EXPECT_GT(caption_ink(shot, frame, client), 20) << "no caption in the title bar";
  EXPECT_EQ(display_.top_level_windows(), std::vector<Window>{window});
}

}  // namespace
}  // namespace course_test
