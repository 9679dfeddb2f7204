// The chooser of explanation panels, by mouse and by keyboard, checked on
// the screen: the chosen picture shown whole, the white frame fitted to it.

#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

class PanelTest : public LivePageTest {
 protected:
  void expect_panel(std::size_t index) {
    const Screenshot shot = page().wait_for_screen([&](const Screenshot& s) { return panel_shown(page(), s, index); });
    EXPECT_TRUE(panel_shown(page(), shot, index)) << "panel " << index;
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
    const int entry = list->height / static_cast<int>(kPanelCount);
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
