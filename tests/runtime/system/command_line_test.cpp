#include "runtime/system/command_line.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  std::u16string command;
  std::u16string program;
  std::u16string arguments;
};

TEST(SplitCommand, FollowsThePlatformRule) {
  const SplitCase cases[] = {
      {u"C:\\course\\C01_002.EXE qevo", u"C:\\course\\C01_002.EXE", u"qevo"},
      {u"D:\\Windows\\Sndvol32.exe", u"D:\\Windows\\Sndvol32.exe", u""},
      {u"prog  two blanks", u"prog", u" two blanks"},
      {u"\"C:\\my course\\p.exe\" qevo", u"C:\\my course\\p.exe", u"qevo"},
      {u"\"C:\\my course\\p.exe\"", u"C:\\my course\\p.exe", u""},
      {u"\"unclosed quote", u"unclosed quote", u""},
      {u"C:\\my course\\p.exe qevo", u"C:\\my", u"course\\p.exe qevo"},
      {u"", u"", u""},
      {u" qevo", u"", u"qevo"},
  };
  for (const SplitCase& c : cases) {
    const rt::CommandParts parts = rt::split_command(c.command);
    EXPECT_EQ(parts.program, c.program);
    EXPECT_EQ(parts.arguments, c.arguments);
  }
}

}  // namespace
