// Drawing details seen on the screen: lines end before their last point, and
// a play button's picture sits inside the button's border.

#include <algorithm>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

constexpr Rgb kBlack{0, 0, 0};

struct LineEnd {
  const char* line;
  Point last_drawn;  // client pixels
  Point end;         // the stored end point, not drawn
};

// A divider of 300 twips covers 20 pixels, the rules as many as they are long.
const LineEnd kLines[] = {
    {"Line1", {128, 71}, {128, 72}},
    {"Line5", {128, 227}, {128, 228}},
    {"Line2", {1015, 36}, {1016, 36}},
    {"Line6", {1015, 296}, {1016, 296}},
};

TEST_F(LivePageTest, LinesAreDrawnWithoutTheirLastPoint) {
  CourseFolder course;
  start_page(course);
  const Screenshot shot = page().settled_screenshot();
  for (const LineEnd& line : kLines) {
    EXPECT_EQ(to_string(page().pixel(shot, line.last_drawn)), to_string(kBlack)) << line.line;
    EXPECT_NE(to_string(page().pixel(shot, line.end)), to_string(kBlack)) << line.line << " covers its last point";
  }
}

// The four sides of a button's outer edge, each seen as one colour.
std::vector<std::vector<Rgb>> edges(const Screenshot& shot, Rect button) {
  std::vector<std::vector<Rgb>> sides(4);
  for (int i = 3; i < button.width - 3; ++i) {
    sides[0].push_back(shot.at(button.x + i, button.y));                      // top
    sides[1].push_back(shot.at(button.x + i, button.y + button.height - 1));  // bottom
  }
  for (int i = 3; i < button.height - 3; ++i) {
    sides[2].push_back(shot.at(button.x, button.y + i));                     // left
    sides[3].push_back(shot.at(button.x + button.width - 1, button.y + i));  // right
  }
  return sides;
}

TEST_F(LivePageTest, PlayButtonsShowTheirPictureInsideTheirBorder) {
  CourseFolder course;
  start_page(course);
  const Screenshot shot = page().settled_screenshot();
  const auto picture = page_picture("play_button.bmp");
  for (const Rect button : {layout::kCmd001, layout::kCmd002, layout::kCmd003, layout::kCmd004}) {
    SCOPED_TRACE("button at " + std::to_string(button.x) + "," + std::to_string(button.y));
    const Rect on_screen = page().to_screen(button);
    // The border, two pixels wide, is whole on all four sides.
    for (const auto& side : edges(shot, on_screen)) {
      EXPECT_EQ(std::count(side.begin(), side.end(), side.front()), static_cast<long>(side.size()))
          << "the edge is broken";
    }
    // The face inside it, 21 x 21, shows the 24 x 22 picture centred: one
    // column of the picture cut off on the left, two on the right, one row
    // below.
    int wrong = 0;
    for (int y = 0; y < 21; ++y) {
      for (int x = 0; x < 21; ++x) {
        const std::uint32_t p = picture.at(x + 1, y);
        const Rgb want{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                       static_cast<std::uint8_t>(p)};
        if (shot.at(on_screen.x + 2 + x, on_screen.y + 2 + y) != want) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "face pixels that are not the picture's";
  }
}

}  // namespace
}  // namespace course_test
