// Events: clicks found by hit test, tooltips and pointers, handlers run one
// at a time with the input made meanwhile held, and errors shown.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <functional>
#include <new>
#include <optional>

#include "runtime/core/cp932.h"
#include "runtime/core/error.h"
#include "runtime/forms/client_area.h"
#include "runtime/forms/form.h"
#include "runtime/system/platform.h"
#include "tests/runtime/forms/definition_builder.h"
#include "tests/runtime/forms/message_box.h"

namespace forms_test {
namespace {

using rt::forms::Event;
using rt::forms::Form;

// Two cards overlapping by 10 px, a label over the left edge of the front
// card, a line across both, a hidden card over everything, and a button.
struct CardForm : Builder {
  CardForm() {
    add(ControlType::CommandButton, "cmdPlay", {{"Position", place(1500, 1500, 375, 375)}, {"TabIndex", std::int16_t{0}}});
    add(ControlType::Image, "imgHidden",
        {{"Picture", bmp(60, 20, {0, 0, 0})}, {"Position", place(0, 0, 900, 300)}, {"Visible", false}});
    add(ControlType::Label, "lblMark", {{"Caption", std::u16string(u"．")}, {"Position", place(300, 0, 150, 300)}, {"BackStyle", std::uint8_t{0}}});
    add(ControlType::Line, "linAcross", {{"X1", 0}, {"Y1", 150}, {"X2", 900}, {"Y2", 150}});
    add(ControlType::Image, "imgFront",
        {{"Picture", bmp(20, 20, {255, 0, 0})}, {"Position", place(300, 0, 300, 300)}, {"MousePointer", std::uint8_t{99}},
         {"MouseIcon", icon()}, {"ToolTipText", std::u16string(u"ni2")}});
    add(ControlType::Image, "imgBack",
        {{"Picture", bmp(30, 20, {0, 255, 0})}, {"Position", place(0, 0, 450, 300)}, {"ToolTipText", std::u16string(u"hao3")}});
  }
};

class FormEvents : public ::testing::Test {
 protected:
  CardForm cards;
  Form form{cards.definition};
};

struct Clicks {
  std::vector<std::string> log;
  void wire(Form& form, const std::string& name, Event event = Event::Click) {
    form.control(name).on(event, [this, name] { log.push_back(name); });
  }
};

void click(QWidget& widget, QPoint at) { QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at); }

void settle(const Form& form) {
  while (!form.idle()) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

TEST_F(FormEvents, ClickGoesToTheFrontMostShownControlUnderTheMouse) {
  Clicks clicks;
  clicks.wire(form, "imgFront");
  clicks.wire(form, "imgBack");
  clicks.wire(form, "imgHidden");
  form.show();
  struct Case {
    QPoint at;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{35, 5}, {"imgFront"}},     // where both cards lie: the front one
      {{35, 10}, {"imgFront"}},    // on the line: lines take no clicks
      {{5, 5}, {"imgBack"}},       // the back card alone; the hidden one is skipped
      {{21, 5}, {}},               // the label in front of the card takes the click
      {{50, 5}, {}},               // nothing there
      {{25, 25}, {}},              // below the cards
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at.x());
    clicks.log.clear();
    click(form.client(), c.at);
    EXPECT_EQ(clicks.log, c.expected);
  }
  // Shown, the formerly hidden card is in front of everything below it.
  form.control("imgHidden").set("Visible", true);
  clicks.log.clear();
  click(form.client(), {5, 5});
  EXPECT_EQ(clicks.log, std::vector<std::string>{"imgHidden"});
}

TEST_F(FormEvents, PressAndReleaseOnDifferentControlsIsNoClick) {
  Clicks clicks;
  clicks.wire(form, "imgFront");
  clicks.wire(form, "imgBack");
  form.show();
  QTest::mousePress(&form.client(), Qt::LeftButton, Qt::NoModifier, {5, 5});
  QTest::mouseRelease(&form.client(), Qt::LeftButton, Qt::NoModifier, {35, 5});
  QTest::mouseClick(&form.client(), Qt::RightButton, Qt::NoModifier, {35, 5});
  EXPECT_TRUE(clicks.log.empty());
}

TEST_F(FormEvents, TooltipAndPointerOfTheCardUnderTheMouse) {
  form.show();
  QWidget& client = form.client();
  QHelpEvent over_front(QEvent::ToolTip, {35, 5}, client.mapToGlobal(QPoint(35, 5)));
  QApplication::sendEvent(&client, &over_front);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("ni2"));
  QHelpEvent over_back(QEvent::ToolTip, {5, 5}, client.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&client, &over_back);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("hao3"));

  QTest::mouseMove(&client, {35, 5});
  QMouseEvent move(QEvent::MouseMove, QPointF(35, 5), client.mapToGlobal(QPointF(35, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&client, &move);
  EXPECT_EQ(client.cursor().shape(), Qt::BitmapCursor);
  QMouseEvent away(QEvent::MouseMove, QPointF(5, 5), client.mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&client, &away);
  EXPECT_EQ(client.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormEvents, ErrorLeavingAHandlerIsShownAndThePageGoesOn) {
  int plays = 0;
  form.control("imgFront").on(Event::Click, [&] { rt::raise(rt::ErrorNumber::FileNotFound, "Rambel.exe"); });
  form.control("imgBack").on(Event::Click, [&] { ++plays; });
  form.show();
  const QString shown = answer_message_box([&] { click(form.client(), {35, 5}); });
  EXPECT_EQ(shown, QStringLiteral("実行時エラー '53':\n\nファイルが見つかりません：Rambel.exe"));
  click(form.client(), {5, 5});
  EXPECT_EQ(plays, 1);
  EXPECT_FALSE(form.ended());
}

TEST_F(FormEvents, OtherExceptionsLeavingAHandlerShowAsInternalErrorsAndThePageGoesOn) {
  struct Case {
    const char* text;
    std::function<void()> raise;
  };
  const Case cases[] = {
      {"not valid code page 932", [] { throw rt::EncodingError("not valid code page 932", 3); }},
      {"std::bad_alloc", [] { throw std::bad_alloc(); }},
      {"説明のない例外", [] { throw 42; }},
  };
  int plays = 0;
  form.control("imgBack").on(Event::Click, [&] { ++plays; });
  form.show();
  for (const Case& c : cases) {
    form.control("imgFront").on(Event::Click, c.raise);
    const QString shown = answer_message_box([&] { click(form.client(), {35, 5}); });
    EXPECT_TRUE(shown.contains(QStringLiteral("内部エラー"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(c.text))) << shown.toStdString();
    click(form.client(), {5, 5});
  }
  EXPECT_EQ(plays, 3);
  EXPECT_FALSE(form.ended());
}

// A handler that blocks the way a sound does: the blocking hook runs while
// it waits, and whatever arrived meanwhile must wait for it.
TEST_F(FormEvents, InputMadeDuringAHandlerIsHandledAfterItInOrder) {
  std::vector<std::string> log;
  form.control("cmdPlay").on(Event::Click, [&] {
    log.push_back("phrase begins");
    rt::run_blocking_hook();
    log.push_back("phrase ends");
  });
  form.control("imgFront").on(Event::Click, [&] { log.push_back("imgFront"); });
  form.control("imgBack").on(Event::Click, [&] { log.push_back("imgBack"); });
  form.on_unload([&](std::int16_t&) { log.push_back("unload"); });
  form.show();
  QWidget& client = form.client();
  auto post_click = [&](QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(&client, new QMouseEvent(type, QPointF(at), client.mapToGlobal(QPointF(at)),
                                                            Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                            Qt::NoModifier));
    }
  };
  post_click({35, 5});
  post_click({5, 5});
  QCoreApplication::postEvent(&form.window(), new QCloseEvent);
  click(*client.findChild<QPushButton*>(), {});
  EXPECT_EQ(log, (std::vector<std::string>{"phrase begins", "phrase ends"}));
  EXPECT_TRUE(form.window().isVisible());
  settle(form);
  EXPECT_EQ(log, (std::vector<std::string>{"phrase begins", "phrase ends", "imgFront", "imgBack", "unload"}));
}

// Input that reaches the window while a handler runs, as the window system
// delivers it: each click keeps the place where it was made.
TEST_F(FormEvents, HeldClicksKeepTheirOwnPlaces) {
  std::vector<std::string> log;
  auto click_window = [&](QPoint at) {
    QTest::mouseClick(form.window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      form.client().mapTo(&form.window(), at));
  };
  form.control("cmdPlay").on(Event::Click, [&] {
    click_window({35, 5});
    click_window({5, 5});
    click_window({35, 5});
  });
  form.control("imgFront").on(Event::Click, [&] { log.push_back("imgFront"); });
  form.control("imgBack").on(Event::Click, [&] { log.push_back("imgBack"); });
  form.show();
  click(*form.client().findChild<QPushButton*>(), {});
  EXPECT_TRUE(log.empty());
  settle(form);
  EXPECT_EQ(log, (std::vector<std::string>{"imgFront", "imgBack", "imgFront"}));
}

// A list that a held click opens takes the held clicks made in it, as it
// would have when they were made: the entry is chosen after the handler.
TEST(HeldInput, ClickInAListThatAHeldClickOpenedChoosesTheEntry) {
  Builder b;
  b.add(ControlType::CommandButton, "cmdPlay", {{"Position", place(0, 0, 375, 375)}, {"TabIndex", std::int16_t{0}}});
  b.add(ControlType::ComboBox, "cboPick", {{"Position", place(0, 600, 1500, 360)}, {"TabIndex", std::uint8_t{1}}});
  Form form(b.definition);
  rt::forms::Control& combo = form.control("cboPick");
  for (const char16_t* item : {u"一", u"二", u"三"}) {
    const rt::forms::Variant text = std::u16string(item);
    combo.call("AddItem", {&text, 1});
  }
  std::vector<int> chosen;
  form.control("cboPick").on(Event::Click, [&] { chosen.push_back(combo.get("ListIndex").to_int16()); });
  form.window().resize(300, 300);
  form.show();
  QWindow* window = form.window().windowHandle();
  auto* box = form.client().findChild<QComboBox*>();
  // Where the open list shows its second entry, in the window.
  box->showPopup();
  QAbstractItemView* list = box->view();
  const QRect second = list->visualRect(list->model()->index(1, 0));
  const QPoint entry = form.window().mapFromGlobal(list->viewport()->mapToGlobal(second.center()));
  box->hidePopup();
  const QPoint chooser = box->mapTo(&form.window(), box->rect().center());

  form.control("cmdPlay").on(Event::Click, [&] {
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, chooser);
    QTest::mouseMove(window, entry);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, entry);
  });
  click(*form.client().findChild<QPushButton*>(), {});
  EXPECT_TRUE(chosen.empty());
  settle(form);
  EXPECT_EQ(chosen, std::vector<int>{1});
  EXPECT_FALSE(list->isVisible());
}

// A handler that blocks keeps its own window answering, whatever other
// forms were made and ended before.
TEST(BlockingHook, BelongsToTheFormWhoseHandlerRuns) {
  Builder player;
  player.add(ControlType::CommandButton, "cmdPlay",
             {{"Position", place(0, 0, 375, 375)}, {"TabIndex", std::int16_t{0}}});
  Form form(player.definition);
  {
    const Builder other;
    const Form gone(other.definition);
  }
  bool answered = false;
  std::optional<bool> answered_while_blocked;
  form.control("cmdPlay").on(Event::Click, [&] {
    QMetaObject::invokeMethod(qApp, [&] { answered = true; }, Qt::QueuedConnection);
    rt::run_blocking_hook();
    answered_while_blocked = answered;
  });
  form.show();
  click(*form.client().findChild<QPushButton*>(), {});
  EXPECT_EQ(answered_while_blocked, true);
}

TEST_F(FormEvents, NothingRunsOnceAHandlerHasEndedTheProgram) {
  int clicks = 0;
  form.control("imgFront").on(Event::Click, [&] { throw rt::ProgramEnded{}; });
  form.control("imgBack").on(Event::Click, [&] { ++clicks; });
  form.show();
  click(form.client(), {35, 5});
  EXPECT_TRUE(form.ended());
  click(form.client(), {5, 5});
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace forms_test
