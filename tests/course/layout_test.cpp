// The page's window after start, seen on the screen.

#include <algorithm>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Spot {
  const char* what;
  Point at;  // client pixels
  Rgb colour;
};

// Places where the stored layout shows one plain colour.
const std::vector<Spot> kSpots{
    {"title strip", {600, 3}, {255, 255, 192}},
    {"dialogue box, right of line 1", {300, 70}, kWhite},
    {"translation box, right of line 1", {800, 100}, {58, 114, 77}},
    {"time label's ground, right of its text", {929, 46}, {64, 64, 64}},
    {"first panel's white frame, right of the panel", {960, 400}, kWhite},
    {"frame's ground below the panel", {500, 463}, kWhite},
};

struct Shown {
  const char* picture;
  Point at;  // client pixels
};

// Pictures shown one to one at their controls' places.
const std::vector<Shown> kPictures{
    {"card_tian2.bmp", {52, 48}},  {"card_zhong1.bmp", {84, 48}}, {"card_ni3.bmp", {276, 152}},
    {"card_me0.bmp", {364, 152}},  {"card_ben3.bmp", {228, 204}}, {"panel_imgK1.bmp", {24, 316}},
};

TEST_F(LivePageTest, WindowShowsTheStoredLayout) {
  CourseFolder course;
  start_page(course);
  const Screenshot shot = page().settled_screenshot();

  // Without a window manager the window is exactly 1024 x 740 at the
  // screen's top left, its client area right under the menu bar.
  const Rect window = display_.geometry(page().window());
  EXPECT_EQ(window.x, 0);
  EXPECT_EQ(window.y, 0);
  EXPECT_EQ(window.width, 1024);
  EXPECT_EQ(window.height, 740);
  EXPECT_EQ(page().to_screen(Point{0, 0}).x, 0);

  for (const auto& spot : kSpots) {
    EXPECT_EQ(to_string(page().pixel(shot, spot.at)), to_string(spot.colour)) << spot.what;
  }
  for (const auto& shown : kPictures) {
    EXPECT_EQ(shown_share(shot, page().to_screen(shown.at), page_picture(shown.picture)), 1.0) << shown.picture;
  }

  // The time label's yellow text on its dark grey ground.
  const auto label = shot.region(page().to_screen(layout::kTimeLabel));
  EXPECT_TRUE(std::any_of(label.begin(), label.end(),
                          [](Rgb c) { return c.r > 200 && c.g > 200 && c.b < 80; }));

  // The frame is fitted to the first panel: it ends 5 pixels below it, not
  // at its stored height.
  EXPECT_NE(to_string(page().pixel(shot, {960, 470})), to_string(kWhite));

  // One window, no message.
  EXPECT_EQ(display_.top_level_windows().size(), 1u);
}

}  // namespace
}  // namespace course_test
