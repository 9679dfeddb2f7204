#include "runtime/core/text.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_expect.h"

namespace {

using rt::ErrorNumber;

TEST(Text, JoinKeepsOrder) {
  EXPECT_EQ(rt::join(u"..", u"\\pnn\\", std::u16string(u"ni2"), u".pnn"), u"..\\pnn\\ni2.pnn");
  EXPECT_EQ(rt::join(rt::join(u"a", u"b"), std::u16string_view(u"c")), u"abc");
  EXPECT_EQ(rt::join(), u"");
}

TEST(Text, CutsCountFromOneAndStopAtTheEnd) {
  struct Case {
    std::u16string text;
    std::int32_t start, count;
    std::u16string expected;
  };
  const Case mids[] = {
      {u"C01_001", 2, 2, u"01"}, {u"C01_001", 5, 3, u"001"}, {u"C01_01", 5, 3, u"01"},
      {u"C01", 5, 3, u""},       {u"C01", 4, 3, u""},        {u"D:\\WINDOWS\\", 1, 3, u"D:\\"},
      {u"\\", 1, 3, u"\\"},      {u"解説文", 2, 0, u""},     {u"", 1, 1, u""},
  };
  for (const Case& c : mids) EXPECT_EQ(rt::mid(c.text, c.start, c.count), c.expected) << c.start;
  EXPECT_EQ(rt::mid(u"C01_001", 5), u"001");
  EXPECT_EQ(rt::mid(u"C01", 9), u"");

  EXPECT_EQ(rt::left(u"abc", 2), u"ab");
  EXPECT_EQ(rt::left(u"abc", 145), u"abc");
  EXPECT_EQ(rt::left(u"abc", 0), u"");
  EXPECT_EQ(rt::right(u"abc", 1), u"c");
  EXPECT_EQ(rt::right(u"abc", 9), u"abc");
  EXPECT_EQ(rt::right(u"", 1), u"");
}

TEST(Text, CutsRefuseBadPositionsAndCounts) {
  EXPECT_RUNTIME_ERROR(rt::mid(u"abc", 0, 1), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::mid(u"abc", 1, -1), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::left(u"abc", -1), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::right(u"abc", -1), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::repeat_char(-1, u'x'), ErrorNumber::InvalidProcedureCall);
}

TEST(Text, RepeatAndCompare) {
  EXPECT_EQ(rt::repeat_char(145, u'\0'), std::u16string(145, u'\0'));
  EXPECT_EQ(rt::repeat_char(0, u'x'), u"");
  EXPECT_EQ(rt::compare_text(u"\\", u"\\"), 0);
  EXPECT_EQ(rt::compare_text(u"", u"\\"), -1);
  EXPECT_EQ(rt::compare_text(u"b", u"a"), 1);
  EXPECT_EQ(rt::compare_text(u"A", u"a"), -1);  // binary, not case-blind
}

}  // namespace
