// Building a window from a definition, and property access by name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "runtime/forms/form.h"
#include "tests/runtime/forms/definition_builder.h"
#include "tests/support/runtime_error_expect.h"

namespace forms_test {
namespace {

using rt::definition::Colour;
using rt::definition::MenuEntry;
using rt::forms::Event;
using rt::forms::Form;
using rt::forms::Variant;

MenuEntry menu(std::string name, std::u16string caption, std::vector<MenuEntry> entries = {}) {
  MenuEntry entry;
  entry.record.name = std::move(name);
  entry.record.type = ControlType::Menu;
  entry.record.properties.push_back(property(ControlType::Menu, "Caption", std::move(caption)));
  if (!entries.empty()) entry.record.properties.push_back(property(ControlType::Menu, "HasSubmenu", true));
  entry.entries = std::move(entries);
  return entry;
}

// A window with one control of each kind, the windowed ones stored out of
// their tab order.
struct SampleForm : Builder {
  SampleForm() {
    set(window(), "ClientRect", rt::definition::ClientRect{480, 885, 4500, 3000});
    add(ControlType::ComboBox, "cboPick", {{"Position", place(1500, 1500, 1500, 360)}, {"TabIndex", std::uint8_t{2}}});
    add(ControlType::CommandButton, "cmdGo",
        {{"Position", place(150, 150, 375, 375)}, {"TabIndex", std::int16_t{1}}, {"ToolTipText", std::u16string(u"押す")}});
    add(ControlType::VScrollBar, "vscPause",
        {{"Position", place(3000, 150, 315, 1035)},
         {"TabIndex", std::int16_t{0}},
         {"Min", std::int16_t{100}},
         {"Max", std::int16_t{1000}},
         {"LargeChange", std::int16_t{50}},
         {"SmallChange", std::int16_t{10}},
         {"Value", std::int16_t{100}}});
    add(ControlType::Label, "lblNote",
        {{"Caption", std::u16string(u"一行目\r\n二行目")}, {"Position", place(600, 150, 1500, 675)}, {"TabIndex", std::int16_t{3}}});
    add(ControlType::Image, "imgHidden",
        {{"Picture", bmp(10, 10, {0, 0, 255})}, {"Position", place(600, 900, 150, 150)}, {"Visible", false}});
    add(ControlType::Line, "linRule", {{"X1", 0}, {"Y1", 2400}, {"X2", 4500}, {"Y2", 2400}});
    definition.menus = {menu("mnuFile", u"ﾌｧｲﾙ(&F)", {menu("mnuExit", u"終了(&X)"), menu("mnuLin", u"-"), menu("mnuOther", u"他")})};
  }
};

TEST(FormBuild, StoredValuesReadBackByName) {
  SampleForm sample;
  Form form(sample.definition);
  EXPECT_EQ(form.get("Caption"), Variant(u""));
  EXPECT_EQ(form.control("lblNote").get("Caption"), Variant(u"一行目\r\n二行目"));
  EXPECT_EQ(form.control("lblNote").get("Left"), Variant(600.0f));
  EXPECT_EQ(form.control("lblNote").get("Height"), Variant(675.0f));
  EXPECT_EQ(form.control("imgHidden").get("Visible"), Variant(false));
  EXPECT_EQ(form.control("cmdGo").get("ToolTipText"), Variant(u"押す"));
  EXPECT_EQ(form.control("cboPick").get("ListCount"), Variant(std::int16_t{0}));
  EXPECT_EQ(form.control("cboPick").get("ListIndex"), Variant(std::int16_t{-1}));
  EXPECT_EQ(form.control("linRule").get("Y2"), Variant(2400.0f));
  const rt::forms::Control& bar = form.control("vscPause");
  EXPECT_EQ(bar.get("Min"), Variant(std::int16_t{100}));
  EXPECT_EQ(bar.get("Max"), Variant(std::int16_t{1000}));
  EXPECT_EQ(bar.get("SmallChange"), Variant(std::int16_t{10}));
  EXPECT_EQ(bar.get("LargeChange"), Variant(std::int16_t{50}));
  EXPECT_EQ(bar.get("Value"), Variant(std::int16_t{100}));
  EXPECT_EQ(form.control("mnuExit").get("Caption"), Variant(u"終了(&X)"));
  EXPECT_EQ(form.control("mnuExit").get("Enabled"), Variant(true));
  // The stored client area, 300 x 200 px.
  form.show();
  EXPECT_EQ(form.client().size(), QSize(300, 200));
}

TEST(FormBuild, FailingCallsRaiseTheRuntimesErrors) {
  SampleForm sample;
  Form form(sample.definition);
  struct Case {
    const char* what;
    std::function<void()> call;
    rt::ErrorNumber expected;
  };
  const Case cases[] = {
      {"unknown control", [&] { form.control("lblMissing"); }, rt::ErrorNumber::PropertyNotFound},
      {"unknown property", [&] { form.control("lblNote").get("Colour"); }, rt::ErrorNumber::PropertyNotFound},
      {"read-only property", [&] { form.set("hWnd", 5); }, rt::ErrorNumber::PropertyNotFound},
      {"unknown method", [&] { form.control("cboPick").call("Sort"); }, rt::ErrorNumber::PropertyNotFound},
      {"negative width", [&] { form.control("lblNote").set("Width", -1.0f); }, rt::ErrorNumber::InvalidPropertyValue},
      {"window height below 0", [&] { form.set("Height", -15.0f); }, rt::ErrorNumber::InvalidPropertyValue},
      {"index past the list", [&] { form.control("cboPick").set("ListIndex", 0); }, rt::ErrorNumber::InvalidPropertyValue},
      {"value past the maximum", [&] { form.control("vscPause").set("Value", 1001); }, rt::ErrorNumber::InvalidPropertyValue},
      {"step of zero", [&] { form.control("vscPause").set("SmallChange", 0); }, rt::ErrorNumber::InvalidPropertyValue},
      {"caption from a truth value", [&] { form.control("lblNote").set("Caption", true); }, rt::ErrorNumber::TypeMismatch},
      {"visibility from text", [&] { form.control("imgHidden").set("Visible", u"yes"); }, rt::ErrorNumber::TypeMismatch},
      {"index out of 16 bits", [&] { form.control("cboPick").set("ListIndex", 40000); }, rt::ErrorNumber::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_RUNTIME_ERROR(c.call(), c.expected);
  }
  // An event the control does not have.
  const std::pair<const char*, Event> lacking[] = {
      {"lblNote", Event::Click}, {"linRule", Event::Click}, {"vscPause", Event::Click},
      {"cmdGo", Event::Change},  {"mnuExit", Event::Change},
  };
  for (const auto& [name, event] : lacking) {
    EXPECT_RUNTIME_ERROR_NAMING(form.control(name).on(event, [] {}), rt::ErrorNumber::PropertyNotFound, name);
  }
  // A refused write leaves the old value.
  EXPECT_EQ(form.control("lblNote").get("Width"), Variant(1500.0f));
  EXPECT_EQ(form.control("vscPause").get("Value"), Variant(std::int16_t{100}));
}

TEST(FormBuild, PictureThatCannotBeDecodedFailsWhereItIsShown) {
  // "BM" and then nothing a bitmap holds: small, and large enough to decode ahead.
  std::vector<std::uint8_t> small(64, 0), large(64 * 1024, 0);
  small[0] = large[0] = 'B';
  small[1] = large[1] = 'M';
  for (const auto* bytes : {&small, &large}) {
    Builder shown;
    shown.set(shown.window(), "Picture", rt::definition::Picture{*bytes});
    EXPECT_RUNTIME_ERROR_NAMING(Form{shown.definition}, rt::ErrorNumber::InvalidPropertyValue, "frmTest");
  }
  // A hidden image decodes its picture when it is to be shown, and stays hidden.
  Builder hidden;
  hidden.add(ControlType::Image, "imgLater",
             {{"Picture", rt::definition::Picture{small}}, {"Position", place(0, 0, 150, 150)}, {"Visible", false}});
  Form form(hidden.definition);
  EXPECT_RUNTIME_ERROR(form.control("imgLater").set("Visible", true), rt::ErrorNumber::InvalidPropertyValue);
  EXPECT_EQ(form.control("imgLater").get("Visible"), Variant(false));
}

TEST(FormBuild, ComboListAndIndex) {
  SampleForm sample;
  Form form(sample.definition);
  rt::forms::Control& combo = form.control("cboPick");
  for (const char16_t* item : {u"一", u"二", u"三"}) {
    const Variant text = std::u16string(item);
    combo.call("AddItem", {&text, 1});
  }
  const Variant index = std::int16_t{1};
  EXPECT_EQ(combo.call("List", {&index, 1}), Variant(u"二"));
  EXPECT_EQ(combo.get("ListCount"), Variant(std::int16_t{3}));
  combo.set("ListIndex", 2);
  EXPECT_EQ(combo.get("ListIndex"), Variant(std::int16_t{2}));
  EXPECT_EQ(form.client().findChild<QComboBox*>()->currentText(), QString::fromUtf8("三"));
  combo.set("ListIndex", -1);
  EXPECT_EQ(combo.get("ListIndex"), Variant(std::int16_t{-1}));
}

TEST(FormBuild, WindowPlaceAndSizeAreItsOuterFrame) {
  SampleForm sample;
  Form form(sample.definition);
  form.set("Top", 0.0f);
  form.set("Left", 150.0f);
  form.set("Height", 11100.0f);
  form.set("Width", 15360.0f);
  form.show();
  QWidget& window = form.window();
  EXPECT_EQ(window.frameGeometry(), QRect(10, 0, 1024, 740));
  EXPECT_EQ(form.get("Width"), Variant(15360.0f));
  EXPECT_EQ(form.get("Left"), Variant(150.0f));
  EXPECT_NE(form.get("hWnd").to_int32(), 0);
}

TEST(FormBuild, SelfSizingLabelFitsItsCaption) {
  Builder builder;
  builder.add(ControlType::Label, "lblFit",
              {{"Caption", std::u16string(u"a")}, {"Position", place(300, 120, 210, 360)}, {"AutoSize", true},
               {"Font", rt::definition::Font{1, 128, 0, 700, 180000, u"ＭＳ 明朝"}}});
  Form form(builder.definition);
  rt::forms::Control& label = form.control("lblFit");
  const float narrow = label.get("Width").to_float();
  const float one_line = label.get("Height").to_float();
  label.set("Caption", u"Velquor");
  EXPECT_GT(label.get("Width").to_float(), narrow * 4);
  label.set("Caption", u"Velquor\r\nVelquor");
  EXPECT_GT(label.get("Height").to_float(), one_line * 1.5f);
  EXPECT_EQ(label.get("Left"), Variant(300.0f));
}

TEST(FormBuild, OnlyWindowedControlsTakeTheFocusInTabIndexOrder) {
  SampleForm sample;
  Form form(sample.definition);
  form.show();
  QApplication::setActiveWindow(&form.window());
  auto* bar = form.client().findChild<QScrollBar*>();
  auto* button = form.client().findChild<QPushButton*>();
  auto* combo = form.client().findChild<QComboBox*>();
  EXPECT_EQ(QApplication::focusWidget(), bar);
  const QWidget* expected[] = {button, combo, bar, button};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

// Keys as on the original platform: Enter and the keypad's Enter press the
// focused button like Space; the scroll bar moves down the value with Up and
// Left, up with Down and Right.
TEST(FormBuild, KeysOnTheFocusedButtonAndScrollBar) {
  SampleForm sample;
  Form form(sample.definition);
  int presses = 0;
  form.control("cmdGo").on(Event::Click, [&] { ++presses; });
  form.show();
  QApplication::setActiveWindow(&form.window());
  auto* button = form.client().findChild<QPushButton*>();
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool repeat;
    int presses;  // counted after the key
  };
  const Press presses_by_key[] = {
      {Qt::Key_Return, Qt::NoModifier, false, 1}, {Qt::Key_Enter, Qt::KeypadModifier, false, 2},
      {Qt::Key_Space, Qt::NoModifier, false, 3},  {Qt::Key_Return, Qt::NoModifier, true, 4},  // held down: once
      {Qt::Key_Return, Qt::AltModifier, false, 4},
  };
  for (const Press& p : presses_by_key) {
    SCOPED_TRACE(QKeySequence(p.key | p.modifiers).toString().toStdString());
    QTest::sendKeyEvent(QTest::KeyAction::Press, button, p.key, QString(), p.modifiers);
    QKeyEvent repeat(QEvent::KeyPress, p.key, p.modifiers, QString(), true);
    if (p.repeat) QApplication::sendEvent(button, &repeat);
    QTest::sendKeyEvent(QTest::KeyAction::Release, button, p.key, QString(), p.modifiers);
    EXPECT_EQ(presses, p.presses);
  }

  rt::forms::Control& bar = form.control("vscPause");
  auto* widget = form.client().findChild<QScrollBar*>();
  struct Step {
    Qt::Key key;
    std::int16_t value;  // from 500
  };
  const Step steps[] = {{Qt::Key_Up, 490},       {Qt::Key_Left, 490},     {Qt::Key_Down, 510}, {Qt::Key_Right, 510},
                        {Qt::Key_PageUp, 450},   {Qt::Key_PageDown, 550}, {Qt::Key_Home, 100}, {Qt::Key_End, 1000}};
  for (const Step& step : steps) {
    bar.set("Value", std::int16_t{500});
    QTest::keyClick(widget, step.key);
    EXPECT_EQ(bar.get("Value"), Variant(step.value)) << QKeySequence(step.key).toString().toStdString();
  }
}

TEST(FormBuild, MenuTreeWithSeparatorsAndAccessKeys) {
  SampleForm sample;
  Form form(sample.definition);
  int exits = 0;
  int others = 0;
  form.control("mnuExit").on(Event::Click, [&] { ++exits; });
  form.control("mnuOther").on(Event::Click, [&] { ++others; });
  form.control("mnuOther").set("Enabled", false);
  form.show();
  QApplication::setActiveWindow(&form.window());

  const QList<QAction*> heads = form.menu_bar().actions();
  ASSERT_EQ(heads.size(), 1);
  QMenu* file = heads[0]->menu();
  ASSERT_NE(file, nullptr);
  const QList<QAction*> entries = file->actions();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_TRUE(entries[1]->isSeparator());
  EXPECT_FALSE(entries[2]->isEnabled());

  QTest::keyClick(&form.window(), Qt::Key_F, Qt::AltModifier);
  ASSERT_EQ(QApplication::activePopupWidget(), file);
  QTest::keyClick(file, Qt::Key_X);
  EXPECT_EQ(exits, 1);
  entries[2]->trigger();  // a switched-off entry cannot be chosen
  EXPECT_EQ(others, 0);
}

}  // namespace
}  // namespace forms_test
