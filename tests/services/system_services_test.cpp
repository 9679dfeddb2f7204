#include "tests/services/services_fixture.h"

namespace services_tests {
namespace {

using SystemServices = Services;

TEST_F(SystemServices, SystemFolderEndsInOneBackslash) {
  struct Case {
    std::string reported;  // what the platform writes, in code page 932
    std::u16string expected;
  };
  const Case cases[] = {
      {"D:\\WINDOWS\\SYSTEM", u"D:\\WINDOWS\\SYSTEM\\"},
      {"C:\\", u"C:\\"},
      {"", u"\\"},  // count 0
      {std::string(145, 'x'), std::u16string(145, u'\0') + u"\\"},  // does not fit: the untouched buffer
      {std::string(144, 'x'), std::u16string(144, u'x') + u"\\"},
      // The count is in bytes and keeps that many characters: code 0 follows.
      {"C:\\\x93\xFA\x96\x7B", u"C:\\日本" + std::u16string(2, u'\0') + u"\\"},
  };
  for (const Case& c : cases) {
    fake().clear_calls();
    fake().set_system_folder(c.reported);
    EXPECT_EQ(basMain::GetSysDir(), c.expected) << c.reported;
    EXPECT_EQ(fake().calls_of(CallKind::GetSystemDirectory).at(0).number, 145u);
  }
}

TEST_F(SystemServices, VolumeControlIsSoughtOnTheSystemDrive) {
  struct Case {
    std::string system_folder;
    std::u16string command;
  };
  const Case cases[] = {
      {"D:\\WINDOWS\\SYSTEM", u"D:\\Windows\\Sndvol32.exe"},
      {"C:\\usr\\lib", u"C:\\Windows\\Sndvol32.exe"},
      {"", u"\\Windows\\Sndvol32.exe"},
  };
  for (const Case& c : cases) {
    fake().clear_calls();
    fake().set_system_folder(c.system_folder);
    basMain::OpenVolumeControl();
    const PlatformCall start = fake().calls_of(CallKind::Shell).at(0);
    EXPECT_EQ(start.text, c.command);
    EXPECT_EQ(start.style, rt::WindowStyle::NormalNoFocus);
  }
}

TEST_F(SystemServices, NoVolumeControlRaises) {
  fake().set_system_folder("D:\\WINDOWS\\SYSTEM");
  fake().fail_shell_for(u"D:\\Windows\\Sndvol32.exe");
  EXPECT_RUNTIME_ERROR(basMain::OpenVolumeControl(), rt::ErrorNumber::FileNotFound);
}

TEST_F(SystemServices, HelpOpensAtItsContentsForTheWindow) {
  struct Case {
    std::u16string window_text;
    std::int32_t data, help_result, window;
  };
  const Case cases[] = {{u"4242", 0, 1, 4242}, {u" -5 ", 7, 0, -5}};
  for (const Case& c : cases) {
    fake().clear_calls();
    fake().set_help_result(c.help_result);
    EXPECT_EQ(basMain::OpenHelpContents(c.window_text, c.data), std::nullopt);
    const PlatformCall help = fake().calls_of(CallKind::WinHelp).at(0);
    EXPECT_EQ(help.window, c.window);
    EXPECT_EQ(help.ansi, "..\\help\\Quorri.hlp");
    EXPECT_EQ(help.number, 11u);
    EXPECT_EQ(help.data, c.data);
  }
}

TEST_F(SystemServices, HelpWithAWindowTextThatIsNoNumberFailsFirst) {
  struct Case {
    std::u16string text;
    rt::ErrorNumber expected;
  };
  const Case cases[] = {{u"", rt::ErrorNumber::TypeMismatch},
                        {u"hwnd", rt::ErrorNumber::TypeMismatch},
                        {u"99999999999", rt::ErrorNumber::Overflow}};
  for (const Case& c : cases) EXPECT_RUNTIME_ERROR(basMain::OpenHelpContents(c.text, 0), c.expected);
  EXPECT_TRUE(fake().calls().empty());
}

}  // namespace
}  // namespace services_tests
