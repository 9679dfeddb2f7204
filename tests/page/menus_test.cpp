// The menu bar: access keys, switched-off entries, and what each command does.
#include <QMenu>
#include <QMenuBar>

#include "tests/page/page_fixture.h"
#include "tests/runtime/forms/message_box.h"
#include "tests/support/runtime_error_expect.h"

namespace page_test {
namespace {

using rt::forms::Variant;

QAction* find_action(const QList<QAction*>& actions, const QString& text) {
  for (QAction* action : actions) {
    if (action->text() == text) return action;
    if (action->menu() != nullptr) {
      if (QAction* found = find_action(action->menu()->actions(), text)) return found;
    }
  }
  return nullptr;
}

TEST_F(PageTest, AltWithTheAccessKeyOpensEachMenu) {
  load_and_show();
  struct Case {
    Qt::Key key;
    const char16_t* title;
  };
  const Case cases[] = {
      {Qt::Key_F, u"ﾌｧｲﾙ(&F)"}, {Qt::Key_E, u"編集(&E)"}, {Qt::Key_V, u"表示(&V)"}, {Qt::Key_H, u"ﾍﾙﾌﾟ(&H)"}};
  for (const Case& c : cases) {
    QTest::keyClick(&form.window(), c.key, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QString::fromStdU16String(c.title));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClick(&form.menu_bar(), Qt::Key_Escape);
  }
}

TEST_F(PageTest, AccessKeysInTheOpenMenusChooseTheirCommands) {
  fake().set_system_folder("C:\\WINDOWS\\SYSTEM");
  load_and_show();
  auto choose = [&](Qt::Key menu_key, Qt::Key entry_key) {
    QTest::keyClick(&form.window(), menu_key, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), entry_key);
  };
  choose(Qt::Key_E, Qt::Key_V);
  const auto starts = fake().calls_of(CallKind::Shell);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].text, u"C:\\Windows\\Sndvol32.exe");
  EXPECT_EQ(starts[0].style, rt::WindowStyle::NormalNoFocus);

  choose(Qt::Key_H, Qt::Key_C);
  const auto helps = fake().calls_of(CallKind::WinHelp);
  ASSERT_EQ(helps.size(), 1u);
  EXPECT_EQ(helps[0].window, form.get("hWnd").to_int32());
  EXPECT_EQ(helps[0].ansi, "..\\help\\Quorri.hlp");
  EXPECT_EQ(helps[0].number, 11u);
  EXPECT_EQ(helps[0].data, 0);
  EXPECT_FALSE(form.ended());

  choose(Qt::Key_F, Qt::Key_X);
  EXPECT_TRUE(form.ended());
  EXPECT_EQ(fake().calls_of(CallKind::EndProgram).size(), 1u);
}

TEST_F(PageTest, SwitchedOffCompanionEntriesCannotBeChosen) {
  load_and_show();
  for (const char16_t* caption : {u"ﾒﾆｭｰ", u"ﾋﾟﾝｲﾝ表1", u"ﾋﾟﾝｲﾝ表2", u"ﾋﾟﾝｲﾝ表3", u"自由発音"}) {
    QAction* entry = find_action(form.menu_bar().actions(), QString::fromStdU16String(caption));
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isEnabled());
    entry->trigger();
  }
  EXPECT_TRUE(fake().calls().empty());
  // "Alt + F4" is only text of the exit entry's caption.
  QAction* exit = find_action(form.menu_bar().actions(), QString::fromStdU16String(u"終了(&X)     Alt + F4"));
  ASSERT_NE(exit, nullptr);
  EXPECT_TRUE(exit->shortcut().isEmpty());
}

TEST_F(PageTest, CompanionHandlersStartTheirProgramThenEnd) {
  load_and_show();
  struct Case {
    void (page::frmC01_001::*handler)();
    const char16_t* command;
  };
  const Case cases[] = {
      {&page::frmC01_001::mnuV_Main_Click, u"..\\Lobrina.exe qevo"},
      {&page::frmC01_001::mnuV_pin1_Click, u"..\\Tonvo1.exe qevo"},
      {&page::frmC01_001::mnuV_pin2_Click, u"..\\Tonvo2.exe qevo"},
      {&page::frmC01_001::mnuV_pin3_Click, u"..\\Tonvo3.exe qevo"},
      {&page::frmC01_001::mnuV_free_Click, u"..\\Rambel.exe qevo"},
  };
  for (const Case& c : cases) {
    fake().clear_calls();
    EXPECT_THROW((page.*c.handler)(), rt::ProgramEnded);
    const auto& calls = fake().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, CallKind::Shell);
    EXPECT_EQ(calls[0].text, c.command);
    EXPECT_EQ(calls[0].style, rt::WindowStyle::NormalFocus);
    EXPECT_EQ(calls[1].kind, CallKind::EndProgram);
  }
}

TEST_F(PageTest, MissingProgramIsShownAndThePageKeepsRunning) {
  fake().set_system_folder("C:\\WINDOWS\\SYSTEM");
  fake().fail_shell_for(u"..\\Lobrina.exe");
  fake().fail_shell_for(u"C:\\Windows\\Sndvol32.exe");
  load_and_show();
  form.control("mnuV_Main").set("Enabled", true);
  for (const char16_t* caption : {u"ﾒﾆｭｰ", u"ﾎﾞﾘｭｰﾑｺﾝﾄﾛｰﾙ(&V)"}) {
    QAction* entry = find_action(form.menu_bar().actions(), QString::fromStdU16String(caption));
    ASSERT_NE(entry, nullptr);
    const QString shown = forms_test::answer_message_box([&] { entry->trigger(); });
    EXPECT_TRUE(shown.contains(QStringLiteral("'53'"))) << shown.toStdString();
  }
  EXPECT_FALSE(form.ended());
  EXPECT_TRUE(fake().calls_of(CallKind::EndProgram).empty());
  click_at(centre_of("Image5"));
  EXPECT_EQ(played(), paths({"song1"}));
}

TEST_F(PageTest, NavigationProceduresStartTheNeighbourThenEnd) {
  fake().set_program_folder(u"/course/C01");
  load_and_show();
  EXPECT_THROW(page.GoNextPage(), rt::ProgramEnded);
  auto calls = fake().calls_of(CallKind::Shell);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, u"/course/C01\\C01_002.EXE qevo");
  EXPECT_EQ(calls[0].style, rt::WindowStyle::Hidden);
  EXPECT_EQ(fake().calls().back().kind, CallKind::EndProgram);

  fake().clear_calls();
  EXPECT_THROW(page.GoMenu(), rt::ProgramEnded);  // although its menu entry is off
  EXPECT_EQ(fake().calls_of(CallKind::Shell)[0].text, u"..\\Lobrina.exe qevo");

  // No lesson 0: the start fails and the page does not end.
  fake().clear_calls();
  fake().fail_shell_for(u"/course/C01\\C00_001.EXE");
  EXPECT_RUNTIME_ERROR(page.GoPrevLesson(), rt::ErrorNumber::FileNotFound);
  EXPECT_TRUE(fake().calls_of(CallKind::EndProgram).empty());
  page.Spare1();
  page.Spare2();
  EXPECT_EQ(fake().calls().size(), 4u);  // JumpToPage's four: the empty procedures call nothing
}

}  // namespace
}  // namespace page_test
