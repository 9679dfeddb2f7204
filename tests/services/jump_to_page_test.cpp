#include "tests/services/services_fixture.h"

namespace services_tests {
namespace {

using Navigation = Services;

struct Jump {
  std::u16string title;
  std::int32_t step;
  std::u16string page;  // started as folder\page.EXE qevo; empty: nothing starts
};

TEST_F(Navigation, StartsTheNeighbouringPage) {
  const Jump jumps[] = {
      {u"C01_001", +1, u"C01_002"},   {u"C01_001", -1, u"C01_000"},  {u"C01_001", +10, u"C02_001"},
      {u"C01_001", -10, u"C00_001"},  {u"C01_999", +1, u"C01_1000"}, {u"C99_005", +10, u"C100_001"},
      {u"C12_034", -10, u"C11_001"},  {u"C12_034", -1, u"C12_033"},  {u"CAB_002", +1, u"CAB_003"},
      {u"C01_01", +1, u"C01_002"},    {u"C01", -10, u"C00_001"},     {u"C01", +10, u"C02_001"},
      {u"X 7_ 9", +1, u"C 7_010"},    // blanks around the number are read; the lesson is copied
      {u"C01_001", 5, u""},           // no such step: no page name
  };
  for (const Jump& jump : jumps) {
    fake().clear_calls();
    fake().set_title(jump.title);
    basMain::JumpToPage(jump.step);
    ASSERT_EQ(kinds(), (std::vector<CallKind>{CallKind::ProgramFolder, CallKind::Title, CallKind::Title,
                                              CallKind::Shell}));
    const PlatformCall& start = fake().calls().back();
    EXPECT_EQ(start.text, u"/course/C01\\" + jump.page + u".EXE qevo") << jump.step;
    EXPECT_EQ(start.style, rt::WindowStyle::Hidden);
  }
}

TEST_F(Navigation, ATextThatIsNoNumberStartsNothing) {
  const Jump jumps[] = {{u"CAB_002", +10, u""}, {u"CAB_002", -10, u""}, {u"C01", +1, u""},
                        {u"C01", -1, u""},      {u"C01_0x1", +1, u""},  {u"", +10, u""}};
  for (const Jump& jump : jumps) {
    fake().clear_calls();
    fake().set_title(jump.title);
    SCOPED_TRACE(jump.step);
    EXPECT_RUNTIME_ERROR(basMain::JumpToPage(jump.step), rt::ErrorNumber::TypeMismatch);
    EXPECT_TRUE(fake().calls_of(CallKind::Shell).empty());
  }
}

TEST_F(Navigation, TheSeparatorIsAppendedWhateverTheFolderEndsWith) {
  fake().set_program_folder(u"C:\\course\\");
  basMain::JumpToPage(+1);
  EXPECT_EQ(fake().calls().back().text, u"C:\\course\\\\C01_002.EXE qevo");
}

TEST_F(Navigation, AMissingPageProgramRaises) {
  fake().fail_shell_for(u"/course/C01\\C01_000.EXE");
  EXPECT_RUNTIME_ERROR(basMain::JumpToPage(-1), rt::ErrorNumber::FileNotFound);
}

}  // namespace
}  // namespace services_tests
