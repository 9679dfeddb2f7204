// The pause scroll bar and its label.
#include <QScrollBar>

#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

using rt::forms::Variant;

TEST_F(PageTest, ScrollBarValueBecomesThePauseAndItsCaption) {
  load_and_show();
  struct Case {
    std::int16_t value;
    const char16_t* caption;
  };
  const Case cases[] = {{1000, u"1000/ms"}, {555, u"555/ms"}, {100, u"100/ms"}, {999, u"999/ms"}};
  for (const Case& c : cases) {
    form.control("vscTime").set("Value", c.value);
    EXPECT_EQ(basMain::PauseMs, c.value);
    EXPECT_EQ(form.control("lblTime").get("Caption"), Variant(c.caption));
  }
}

TEST_F(PageTest, ScrollBarMovesByItsStepsWithinItsRange) {
  load_and_show();
  auto& bar = widget_at<QScrollBar>(centre_of("vscTime"));
  bar.setFocus();
  QTest::keyClick(&bar, Qt::Key_PageDown);
  EXPECT_EQ(basMain::PauseMs, 150);
  QTest::keyClick(&bar, Qt::Key_Down);
  EXPECT_EQ(basMain::PauseMs, 160);
  EXPECT_EQ(form.control("lblTime").get("Caption"), Variant(u"160/ms"));
  QTest::keyClick(&bar, Qt::Key_End);
  EXPECT_EQ(basMain::PauseMs, 1000);
  QTest::keyClick(&bar, Qt::Key_Home);
  EXPECT_EQ(basMain::PauseMs, 100);
  EXPECT_EQ(form.control("lblTime").get("Caption"), Variant(u"100/ms"));
}

}  // namespace
}  // namespace page_test
