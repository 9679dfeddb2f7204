// The pause scroll bar, moved by keyboard and by mouse: the time label
// follows it and the next syllable is followed by the new pause.

#include <functional>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

struct PauseChange {
  const char* name;
  std::function<void(PageSession&)> change;
  double pause_ms;
};

void PrintTo(const PauseChange& change, std::ostream* out) { *out << change.name; }

class PauseTest : public LivePageTest, public ::testing::WithParamInterface<PauseChange> {
 protected:
  std::vector<Rgb> time_label(const Screenshot& shot) { return shot.region(page().to_screen(layout::kTimeLabel)); }

  // Waits until the time label looks as `wanted` says.
  void expect_label(const std::function<bool(const std::vector<Rgb>&)>& wanted, const char* what) {
    const Screenshot shot = page().wait_for_screen([&](const Screenshot& s) { return wanted(time_label(s)); });
    EXPECT_TRUE(wanted(time_label(shot))) << what;
  }
};

TEST_P(PauseTest, LabelAndNextPauseFollowTheScrollBar) {
  CourseFolder course;
  start_page(course);
  const auto label_at_start = time_label(page().settled_screenshot());

  GetParam().change(page());
  expect_label([&](const auto& label) { return label != label_at_start; }, "the label shows the new pause");
  const std::vector<std::string> line1{"ni2", "hao3"};
  expect_played([&] { page().click(layout::centre(layout::kCmd001)); }, line1, {GetParam().pause_ms});

  // Back to the top (the focus is on the play button now, the bar just
  // before it): the label reads as at the start, and so does the pause.
  page().press({"shift+Tab", "Home"});
  expect_label([&](const auto& label) { return label == label_at_start; }, "the label shows 100/ms again");
  expect_played([&] { page().click(layout::centre(layout::kCmd002)); }, line1, {100});
}

// The bar runs from 100 at its top to 1000, by 10 for an arrow and 50 for a page.
const Point kLowerArrow{layout::kScrollBar.x + 10, layout::kScrollBar.y + layout::kScrollBar.height - 5};
const Point kTroughBelowSlider{layout::kScrollBar.x + 10, layout::kScrollBar.y + layout::kScrollBar.height - 25};

const PauseChange kChanges[] = {
    {"DownKey", [](PageSession& p) { p.press({"Down"}); }, 110},
    {"PageDownKey", [](PageSession& p) { p.press({"Page_Down"}); }, 150},
    {"EndKey", [](PageSession& p) { p.press({"End"}); }, 1000},
    {"LowerArrowClick", [](PageSession& p) { p.click(kLowerArrow); }, 110},
    {"TroughClick", [](PageSession& p) { p.click(kTroughBelowSlider); }, 150},
};

INSTANTIATE_TEST_SUITE_P(Changes, PauseTest, ::testing::ValuesIn(kChanges),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace course_test
