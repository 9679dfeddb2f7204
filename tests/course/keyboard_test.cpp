// The keyboard as a learner used to the original platform uses it, on a
// desktop with a window manager: Enter presses the focused play button, the
// focused scroll bar shows that it has the focus, and the arrow keys move
// it the platform's way.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

class KeyboardTest : public LivePageTest {
 protected:
  void SetUp() override {
    display_.start_window_manager();
    start_page(course_);
    // The focus starts on the scroll bar; once round the chooser and back
    // it is there by the keyboard, as a learner would have put it.
    page().press({"shift+Tab", "Tab"});
  }

  std::vector<Rgb> region(const Screenshot& shot, Rect client) { return shot.region(page().to_screen(client)); }
  // Waits until the region looks as `wanted` says; how it looks then, or
  // nothing when it never did.
  std::optional<std::vector<Rgb>> region_becomes(Rect client,
                                                 const std::function<bool(const std::vector<Rgb>&)>& wanted) {
    const Screenshot shot = page().wait_for_screen([&](const Screenshot& s) { return wanted(region(s, client)); });
    const auto now = region(shot, client);
    if (!wanted(now)) return std::nullopt;
    return now;
  }

  CourseFolder course_;
};

TEST_F(KeyboardTest, EnterAndKeypadEnterPressTheFocusedButtonAsSpaceDoes) {
  const Names line1{"ni2", "hao3"};
  Names heard;
  // Tab from the scroll bar to the first play button, then each key once.
  page().press({"Tab"});
  for (const char* key : {"Return", "KP_Enter", "space"}) {
    page().press({key});
    heard.insert(heard.end(), line1.begin(), line1.end());
    ASSERT_EQ(page().listen(heard.size()).names(), heard) << key;
  }
}

TEST_F(KeyboardTest, FocusedScrollBarShowsTheFocus) {
  const auto focused = region(page().settled_screenshot(), layout::kScrollBar);
  page().press({"Tab"});
  EXPECT_TRUE(region_becomes(layout::kScrollBar, [&](const auto& bar) { return bar != focused; }))
      << "the scroll bar looks the same with the focus and without it";
  page().press({"shift+Tab"});
  EXPECT_TRUE(region_becomes(layout::kScrollBar, [&](const auto& bar) { return bar == focused; }))
      << "the focus sign did not come back with the focus";
}

TEST_F(KeyboardTest, UpAndLeftLowerThePauseDownAndRightRaiseIt) {
  // The time label as it reads at each pause, learnt on the way.
  std::map<int, std::vector<Rgb>> label{{100, region(page().settled_screenshot(), layout::kTimeLabel)}};
  struct Step {
    const char* key;
    int pause;  // ms after the key: the bar runs from 100 by 10
  };
  const Step steps[] = {{"Right", 110}, {"Down", 120}, {"Left", 110}, {"Up", 100}, {"Right", 110}};
  for (const Step& step : steps) {
    page().press({step.key});
    const auto known = label.find(step.pause);
    const auto shown = region_becomes(layout::kTimeLabel, [&](const auto& now) {
      if (known != label.end()) return now == known->second;
      for (const auto& [pause, looks] : label)
        if (now == looks) return false;
      return true;
    });
    ASSERT_TRUE(shown) << step.key << ": the label does not read " << step.pause << "/ms";
    label.emplace(step.pause, *shown);
  }
  // And the pause heard after each syllable is the one the label reads.
  expect_played([&] { page().click(layout::centre(layout::kCmd001)); }, {"ni2", "hao3"}, {110});
}

}  // namespace
}  // namespace course_test
