// The chooser of explanation panels, by mouse and by keyboard, checked on
// the screen: the chosen picture shown whole, the white frame fitted to it.

#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Panel {
  const char* picture;
  int frame_height;  // pixels: the picture's height + 13
};

// In the chooser's order.
const std::vector<Panel> kPanels{
    {"panel_imgK1.bmp", 158},
    {"panel_imgK2.bmp", 220},
    {"panel_imgKword.bmp", 199},
    {"panel_imgKZ.bmp", 324},
};

// Right of every panel picture, inside the frame.
constexpr int kFrameProbeX = 960;

bool panel_shown(const PageSession& page, const Screenshot& shot, std::size_t index) {
  const Panel& panel = kPanels[index];
  const int bottom = layout::kPanelFrame.y + panel.frame_height;  // first row below the frame
  return shown_share(shot, page.to_screen(Point{layout::kFirstPanel.x, layout::kFirstPanel.y}),
                     page_picture(panel.picture)) == 1.0 &&
         page.pixel(shot, {kFrameProbeX, bottom - 3}) == kWhite &&
         page.pixel(shot, {kFrameProbeX, bottom + 2}) != kWhite;
}

class PanelTest : public LivePageTest {
 protected:
  void expect_panel(std::size_t index) {
    const Screenshot shot = page().wait_for_screen([&](const Screenshot& s) { return panel_shown(page(), s, index); });
    EXPECT_TRUE(panel_shown(page(), shot, index)) << "panel " << index << " (" << kPanels[index].picture << ")";
  }
};

TEST_F(PanelTest, MouseChoosesEachPanel) {
  CourseFolder course;
  start_page(course);
  expect_panel(0);
  for (std::size_t index : {1, 3, 2, 0}) {
    page().click(layout::centre(layout::kChooser));
    const auto list = page().wait_for_popup();
    ASSERT_TRUE(list) << "the chooser's list did not open";
    // Four entries of equal height fill the list.
    const int entry = list->height / static_cast<int>(kPanels.size());
    page().click_screen({list->x + list->width / 2, list->y + entry * static_cast<int>(index) + entry / 2});
    expect_panel(index);
  }
}

TEST_F(PanelTest, KeyboardChoosesEachPanel) {
  CourseFolder course;
  start_page(course);
  struct Step {
    std::vector<std::string> keys;
    std::size_t index;
  };
  // The focus starts on the scroll bar; one step back in the tab order
  // reaches the chooser.
  const std::vector<Step> steps{
      {{"shift+Tab", "Down"}, 1},
      {{"Down", "Down"}, 3},
      {{"Up"}, 2},
      {{"Up", "Up"}, 0},
  };
  for (const auto& step : steps) {
    page().press(step.keys);
    expect_panel(step.index);
  }
}

}  // namespace
}  // namespace course_test
