// The page as stored, and as Form_Load leaves it.
#include <QComboBox>

#include "tests/page/page_fixture.h"
#include "tests/runtime/forms/message_box.h"
#include "tests/support/runtime_error_expect.h"

namespace page_test {
namespace {

using rt::forms::Variant;

const char* const kCompanionEntries[] = {"mnuV_Main", "mnuV_pin1", "mnuV_pin2", "mnuV_pin3", "mnuV_free"};

TEST_F(PageTest, StoredStateBeforeLoad) {
  EXPECT_EQ(form.get("Caption"), Variant(u""));
  EXPECT_EQ(form.control("lblT01").get("Caption"), Variant(u"a"));
  EXPECT_EQ(form.control("combo001").get("ListCount"), Variant(std::int16_t{0}));
  EXPECT_EQ(panel_visibility(form), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(form.control("lblTime").get("Caption"), Variant(u"100/ms"));
  EXPECT_EQ(form.control("vscTime").get("Value"), Variant(std::int16_t{100}));
  EXPECT_EQ(form.control("lblK").get("Height"), Variant(4905.0f));
  EXPECT_EQ(form.control("mnuV_Main").get("Enabled"), Variant(true));
  EXPECT_EQ(basMain::PauseMs, 0);
}

TEST_F(PageTest, StateAfterLoad) {
  fake().set_program_folder(u"/course/C01");
  form.load();
  form.show();
  // The window at the screen's top left, 15360 x 11100 twips, frame included.
  EXPECT_EQ(form.get("Left"), Variant(0.0f));
  EXPECT_EQ(form.get("Top"), Variant(0.0f));
  EXPECT_EQ(form.get("Width"), Variant(15360.0f));
  EXPECT_EQ(form.get("Height"), Variant(11100.0f));
  EXPECT_EQ(form.window().frameGeometry(), QRect(0, 0, 1024, 740));
  EXPECT_EQ(form.get("Caption"), Variant(u"Velquor"));
  EXPECT_EQ(form.control("lblTitle").get("Width"), form.get("Width"));
  EXPECT_EQ(form.control("lblT01").get("Caption"), Variant(u"Velquor"));
  EXPECT_EQ(basMain::PauseMs, 100);
  for (const char* entry : kCompanionEntries) EXPECT_EQ(form.control(entry).get("Enabled"), Variant(false)) << entry;
  for (const char* entry : {"mnuExit", "mnuE_Vol", "mnuH_Index", "mnuView", "mnuLin001", "mnuV_lin"}) {
    EXPECT_EQ(form.control(entry).get("Enabled"), Variant(true)) << entry;
  }
  rt::forms::Control& chooser = form.control("combo001");
  ASSERT_EQ(chooser.get("ListCount"), Variant(std::int16_t{4}));
  const char16_t* const items[] = {u"解説", u"豆知識", u"今日の単語", u"中国簡体字"};
  for (std::int16_t i = 0; i < 4; ++i) {
    const Variant index = i;
    EXPECT_EQ(chooser.call("List", {&index, 1}), Variant(items[i]));
  }
  EXPECT_EQ(chooser.get("ListIndex"), Variant(std::int16_t{0}));
  EXPECT_EQ(chooser.get("ToolTipText"), Variant(u"解説を選択できます。"));
  EXPECT_EQ(form.control("lblK").get("Height"), Variant(2370.0f));
  EXPECT_EQ(form.control("lblK").get("Top"), Variant(4620.0f));
  EXPECT_EQ(panel_visibility(form), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(form.control("lblTime").get("Caption"), Variant(u"100/ms"));

  // The program's own folder became the current drive and folder, in that order.
  const auto& calls = fake().calls();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, CallKind::ProgramFolder);
  EXPECT_EQ(calls[1].kind, CallKind::ChangeDrive);
  EXPECT_EQ(calls[1].text, u"/course/C01");
  EXPECT_EQ(calls[2].kind, CallKind::ProgramFolder);
  EXPECT_EQ(calls[3].kind, CallKind::ChangeDir);
  EXPECT_EQ(calls[3].text, u"/course/C01");
}

TEST_F(PageTest, FolderThatCannotBeMadeCurrentStopsTheStartUpAndIsShown) {
  fake().raise_on(CallKind::ChangeDir, rt::ErrorNumber::PathNotFound);
  const QString shown = forms_test::answer_message_box([&] { form.load(); });
  EXPECT_TRUE(shown.contains(QStringLiteral("76"))) << shown.toStdString();
  // The steps after the failing one did not run, nor did InitPanels.
  EXPECT_EQ(form.get("Caption"), Variant(u""));
  EXPECT_EQ(form.control("mnuV_Main").get("Enabled"), Variant(true));
  EXPECT_EQ(form.control("combo001").get("ListCount"), Variant(std::int16_t{0}));
  EXPECT_EQ(basMain::PauseMs, 0);
  EXPECT_FALSE(form.ended());
}

void rename(std::vector<rt::definition::MenuEntry>& entries, std::string_view name) {
  for (rt::definition::MenuEntry& entry : entries) {
    if (entry.record.name == name) entry.record.name += "x";
    rename(entry.entries, name);
  }
}

// A control or menu entry that the procedures use and the window lacks (a
// name mistyped on either side) fails the start, naming it, before any of
// them runs.
TEST_F(PageTest, AControlTheWindowLacksFailsTheStartNamingIt) {
  for (const char* name : {"lblK", "imgKpinin", "lblTime", "lblT01", "mnuV_free", "Image5", "vscTime"}) {
    SCOPED_TRACE(name);
    rt::definition::Definition changed = definition;
    for (rt::definition::Record& control : changed.controls) {
      if (control.name == name) control.name += "x";
    }
    rename(changed.menus, name);
    rt::forms::Form lacking(changed);
    EXPECT_RUNTIME_ERROR_NAMING(page::frmC01_001{lacking}, rt::ErrorNumber::PropertyNotFound,
                                std::string("frmC01_001.") + name);
  }
}

TEST_F(PageTest, UnloadEndsTheProgramWhateverTheCancelValue) {
  for (const std::int16_t value : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{7}}) {
    std::int16_t cancel = value;
    EXPECT_THROW(page.Form_Unload(cancel), rt::ProgramEnded);
    EXPECT_EQ(cancel, value);
  }
  EXPECT_EQ(fake().calls_of(CallKind::EndProgram).size(), 3u);
}

TEST_F(PageTest, TabCyclesThroughTheScrollBarTheButtonsAndTheChooser) {
  load_and_show();
  const char* const order[] = {"cmd001", "cmd002", "cmd003", "cmd004", "combo001", "vscTime", "cmd001"};
  EXPECT_EQ(QApplication::focusWidget(), form.client().childAt(centre_of("vscTime")));
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.client().childAt(centre_of(next))) << next;
  }
}

TEST_F(PageTest, ClosingTheWindowEndsTheProgram) {
  load_and_show();
  form.window().close();
  EXPECT_TRUE(form.ended());
  EXPECT_EQ(fake().calls_of(CallKind::EndProgram).size(), 1u);
}

}  // namespace
}  // namespace page_test
