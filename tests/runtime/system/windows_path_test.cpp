#include "runtime/system/windows_path.h"

#include <gtest/gtest.h>

#include "runtime/core/cp932.h"
#include "tests/support/runtime_error_expect.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(TranslatePath, MapsSeparatorsAndDrivesToTheOneRoot) {
  struct Case {
    std::u16string windows;
    std::string posix;
  };
  const Case cases[] = {
      {u"..\\pnn\\ni2.pnn", "../pnn/ni2.pnn"},
      {u"D:\\Windows\\Sndvol32.exe", "/Windows/Sndvol32.exe"},
      {u"c:\\", "/"},
      {u"C:", "/"},
      {u"C:pnn\\a", "pnn/a"},  // drive-relative: the current folder
      {u"\\Windows\\x", "/Windows/x"},
      {u"/home/a b/C01_002.EXE", "/home/a b/C01_002.EXE"},
      {u"/x/コース\\a", "/x/コース/a"},
      {u"1:\\x", "1:/x"},  // no drive letter
      {u"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::translate_path(c.windows), c.posix) << c.posix;
}

TEST(TranslatePath, RefusesBrokenText) {
  const std::u16string lone_surrogate(1, u'\xD800');
  EXPECT_RUNTIME_ERROR(rt::translate_path(lone_surrogate), rt::ErrorNumber::FileNotFound);
}

class ResolvePath : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"Course/PNN/NI2.PNN", "Course/C01/C01_001", "Course/help/Quorri.hlp",
                             "Course/help/QUORRI.HLP", "Course/コース/a.wav", "Course/C01/C01_002",
                             "Course/C01/C01_003", "Course/C01/C01_003.exe", "Course/C01/C01_005.EXE/inside"}) {
      temp.write(file, "x");
    }
  }
  std::u16string root() const { return rt::from_utf8(temp.path().string()); }
  std::string at(const std::string& relative) const { return temp.path().string() + "/" + relative; }

  test_support::TempFolder temp;
};

TEST_F(ResolvePath, MatchesEachComponentIgnoringCaseExactFirst) {
  struct Case {
    std::u16string windows;
    std::string expected;
  };
  const Case cases[] = {
      {u"\\course\\pnn\\ni2.pnn", "Course/PNN/NI2.PNN"},
      {u"\\COURSE\\c01\\..\\Pnn\\Ni2.pnn", "Course/C01/../PNN/NI2.PNN"},
      {u"\\Course\\help\\Quorri.hlp", "Course/help/Quorri.hlp"},   // exact wins
      {u"\\Course\\help\\quorri.HLP", "Course/help/QUORRI.HLP"},   // first of two
      {u"\\course\\コース\\A.WAV", "Course/コース/a.wav"},
      {u"\\course\\nothere\\NI2.PNN", "Course/nothere/NI2.PNN"},   // kept as given
      {u"\\course\\PNN\\", "Course/PNN/"},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::resolve_path(root() + c.windows), at(c.expected)) << c.expected;
}

TEST_F(ResolvePath, ProgramsNamedExeAlsoMatchTheBareFile) {
  struct Case {
    std::u16string windows;
    std::string expected;
  };
  const Case cases[] = {
      {u"\\course\\c01\\C01_002.EXE", "Course/C01/C01_002"},
      {u"\\course\\c01\\c01_001.exe", "Course/C01/C01_001"},
      {u"\\course\\c01\\C01_003.EXE", "Course/C01/C01_003.exe"},  // the file with the extension first
      {u"\\course\\c01\\C01_004.EXE", "Course/C01/C01_004.EXE"},  // nothing: the path as given
      {u"\\course\\c01\\C01_005.EXE", "Course/C01/C01_005.EXE"},  // a folder is no program
      {u"\\course\\c01\\C01_002", "Course/C01/C01_002"},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::resolve_program(root() + c.windows), at(c.expected)) << c.expected;
}

}  // namespace
