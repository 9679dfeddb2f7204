// The chooser and its explanation panels.
#include <QAbstractItemView>
#include <QComboBox>

#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

using rt::forms::Variant;

// Opens the chooser's list and clicks the entry, as the learner does.
void choose(QComboBox& chooser, int index) {
  chooser.showPopup();
  QAbstractItemView* list = chooser.view();
  const QRect item = list->visualRect(list->model()->index(index, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
}

TEST_F(PageTest, EachEntryShowsItsPanelAloneInAFittedFrame) {
  load_and_show();
  auto& chooser = widget_at<QComboBox>(centre_of("combo001"));
  struct Case {
    int index;
    std::vector<bool> shown;
    float frame_height;
  };
  const Case cases[] = {
      {1, {false, true, false, false, false}, 3300.0f},
      {0, {true, false, false, false, false}, 2370.0f},
      {3, {false, false, false, true, false}, 4860.0f},
      {2, {false, false, true, false, false}, 2985.0f},
      {2, {false, false, true, false, false}, 2985.0f},  // the entry already chosen
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    choose(chooser, c.index);
    EXPECT_EQ(form.control("combo001").get("ListIndex"), Variant(static_cast<std::int16_t>(c.index)));
    EXPECT_EQ(panel_visibility(form), c.shown);
    EXPECT_EQ(form.control("lblK").get("Height"), Variant(c.frame_height));
    // Only the frame's height ever changes.
    EXPECT_EQ(form.control("lblK").get("Left"), Variant(180.0f));
    EXPECT_EQ(form.control("lblK").get("Top"), Variant(4620.0f));
    EXPECT_EQ(form.control("lblK").get("Width"), Variant(14535.0f));
  }
}

TEST_F(PageTest, NoEntrySelectedChangesNothing) {
  load_and_show();
  page.combo001_Click();  // index 0, as at load
  form.control("combo001").set("ListIndex", -1);
  form.control("imgKpinin").set("Visible", true);  // to see that nothing is written
  page.combo001_Click();
  EXPECT_EQ(panel_visibility(form), (std::vector<bool>{true, false, false, false, true}));
  EXPECT_EQ(form.control("lblK").get("Height"), Variant(2370.0f));
}

TEST_F(PageTest, FrameFollowsTheHeightThePanelReportsNow) {
  load_and_show();
  form.control("imgKZ").set("Height", 1000.0f);
  form.control("combo001").set("ListIndex", 3);
  page.combo001_Click();
  EXPECT_EQ(form.control("lblK").get("Height"), Variant(1195.0f));
}

}  // namespace
}  // namespace page_test
