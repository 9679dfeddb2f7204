#include "runtime/system/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Reading {
  std::u16string program;
  std::u16string arguments;
  bool operator==(const Reading&) const = default;
};

std::vector<Reading> readings_of(std::u16string_view command) {
  std::vector<Reading> readings;
  for (const rt::CommandParts& parts : rt::command_readings(command)) readings.push_back({parts.program, parts.arguments});
  return readings;
}

TEST(CommandReadings, QuotedProgramHasOneReading) {
  EXPECT_EQ(readings_of(u"\"C:\\my course\\p.exe\" qevo"), (std::vector<Reading>{{u"C:\\my course\\p.exe", u"qevo"}}));
  EXPECT_EQ(readings_of(u"\"C:\\my course\\p.exe\""), (std::vector<Reading>{{u"C:\\my course\\p.exe", u""}}));
  EXPECT_EQ(readings_of(u"\"unclosed quote"), (std::vector<Reading>{{u"unclosed quote", u""}}));
}

TEST(CommandReadings, UnquotedProgramEndsAtAnyBlankLongestFirst) {
  EXPECT_EQ(readings_of(u"D:\\Windows\\Sndvol32.exe"), (std::vector<Reading>{{u"D:\\Windows\\Sndvol32.exe", u""}}));
  EXPECT_EQ(readings_of(u"/my course/C01_002 qevo"), (std::vector<Reading>{
                                                        {u"/my course/C01_002 qevo", u""},
                                                        {u"/my course/C01_002", u"qevo"},
                                                        {u"/my", u"course/C01_002 qevo"},
                                                    }));
  // Only the one separating blank is taken off the argument text.
  EXPECT_EQ(readings_of(u"p  a"), (std::vector<Reading>{{u"p  a", u""}, {u"p ", u"a"}, {u"p", u" a"}}));
  EXPECT_EQ(readings_of(u""), (std::vector<Reading>{{u"", u""}}));
}

// A program named with its extension is read only up to it, so that no
// shorter reading starts another program when it is missing.
TEST(CommandReadings, ProgramNamedWithExeEndsThere) {
  EXPECT_EQ(readings_of(u"/x/pg two/C01/C01_002.EXE qevo"),
            (std::vector<Reading>{{u"/x/pg two/C01/C01_002.EXE", u"qevo"}}));
  EXPECT_EQ(readings_of(u"..\\Lobrina.exe qevo"), (std::vector<Reading>{{u"..\\Lobrina.exe", u"qevo"}}));
  // The longest reading that ends in the extension, whatever the folders hold.
  EXPECT_EQ(readings_of(u"/x/a.Exe b/C01_002.eXe qevo.exe"),
            (std::vector<Reading>{{u"/x/a.Exe b/C01_002.eXe qevo.exe", u""}}));
}

}  // namespace
