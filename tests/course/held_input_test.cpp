// Input held while a line plays has, once the line is over, the effect it
// would have had when it was made, also where it lands in a window that an
// earlier held click opened: the chooser's list, a menu. On a desktop with
// a window manager, as a learner has it.

#include <string>
#include <vector>

#include "tests/course/page_test.h"
#include "tests/support/dialogue.h"

namespace course_test {
namespace {

using namespace std::chrono_literals;

using test_support::kLine3;

class HeldInputTest : public LivePageTest {
 protected:
  void SetUp() override {
    display_.start_window_manager();
    start_page(course_);
  }

  // Where the popup that a click at `at` opens shows; Escape closes it
  // again, and the mouse leaves, so that no tooltip shows.
  Rect popup_opened_by(Point at) {
    page().click_screen(at);
    const auto popup = page().wait_for_popup();
    const Point away = page().to_screen(Point{600, 600});
    xdotool(display_, {"key", "Escape", "mousemove", std::to_string(away.x), std::to_string(away.y)});
    EXPECT_TRUE(wait_until([&] { return display_.popup_windows().empty(); }, 10s)) << "the popup stayed open";
    if (!popup) ADD_FAILURE() << "no popup opened";
    return popup.value_or(Rect{});
  }

  Point play_button() { return page().to_screen(layout::centre(layout::kCmd003)); }

  CourseFolder course_;
};

TEST_F(HeldInputTest, ChooserOpenedAndChosenDuringALineIsChosenAfterIt) {
  const Point chooser = page().to_screen(layout::centre(layout::kChooser));
  const Rect list = popup_opened_by(chooser);
  const int entry = list.height / static_cast<int>(kPanelCount);
  const Point bits_of_knowledge{list.x + list.width / 2, list.y + entry + entry / 2};  // 豆知識

  page().click_in_turn({play_button(), chooser, bits_of_knowledge});
  EXPECT_EQ(page().listen(kLine3.size()).names(), kLine3);
  const Screenshot shot = page().wait_for_screen([&](const Screenshot& s) { return panel_shown(page(), s, 1); });
  EXPECT_TRUE(panel_shown(page(), shot, 1)) << "豆知識 is not shown in a frame of its height";
  EXPECT_TRUE(display_.popup_windows().empty()) << "the list stayed open";
}

TEST_F(HeldInputTest, MenuOpenedAndChosenDuringALineIsCarriedOutAfterIt) {
  const Point file_menu = page().first_menu_head();
  const Rect menu = popup_opened_by(file_menu);
  const Point exit_entry{menu.x + menu.width / 2, menu.y + menu.height / 2};  // its one entry, 終了

  page().click_in_turn({play_button(), file_menu, exit_entry});
  const auto status = page().process().wait_exit(60s);
  ASSERT_TRUE(status) << "the exit chosen during the line was not carried out";
  EXPECT_EQ(*status, 0);
  // It ended after the line, not in the middle of it.
  EXPECT_EQ(page().listen(kLine3.size(), 5s).names(), kLine3);
}

}  // namespace
}  // namespace course_test
