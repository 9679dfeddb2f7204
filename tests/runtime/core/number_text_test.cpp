#include "runtime/core/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "tests/support/runtime_error_expect.h"

namespace {

using rt::ErrorNumber;

TEST(NumberText, ReadsNumbersWithBlanksAround) {
  struct Case {
    std::u16string text;
    double expected;
  };
  const Case cases[] = {
      {u"001", 1.0},    {u"01", 1.0},     {u" 12 ", 12.0}, {u"\t-3\t", -3.0}, {u"+4", 4.0},
      {u"2.5", 2.5},    {u".5", 0.5},     {u"7.", 7.0},    {u"1e3", 1000.0}, {u"1D-2", 0.01},
      {u"999", 999.0},  {u"1e-400", 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::text_to_r8(c.text), c.expected);
}

TEST(NumberText, RefusesWhatIsNoNumber) {
  for (const std::u16string text : {u"", u"   ", u"AB", u"0A", u"1 2", u".", u"-", u"1e", u"&H10", u"1,000", u"０１"}) {
    EXPECT_RUNTIME_ERROR(rt::text_to_r8(text), ErrorNumber::TypeMismatch);
    EXPECT_RUNTIME_ERROR(rt::text_to_i4(text), ErrorNumber::TypeMismatch);
  }
  EXPECT_RUNTIME_ERROR(rt::text_to_r8(u"1e400"), ErrorNumber::Overflow);
}

TEST(NumberText, ErrorsQuoteTheTextEvenWhenItIsBroken) {
  struct Case {
    std::u16string text;
    std::string message;
  };
  const Case cases[] = {
      {u"AB", "値の型が合いません：「AB」は数値ではありません"},
      {std::u16string(u"1") + u'\xD800', "値の型が合いません：「1\xEF\xBF\xBD」は数値ではありません"},  // lone surrogate
  };
  for (const Case& c : cases) {
    try {
      rt::text_to_r8(c.text);
      ADD_FAILURE();
    } catch (const rt::RuntimeError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(NumberText, IntegersRoundHalvesToEvenAndCheckTheRange) {
  struct Case {
    std::u16string text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {u" 123456 ", 123456}, {u"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {u"2147483647", std::numeric_limits<std::int32_t>::max()},
      {u"2.5", 2}, {u"3.5", 4}, {u"-2.5", -2}, {u"2.6", 3}, {u"0.4", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::text_to_i4(c.text), c.expected);
  EXPECT_RUNTIME_ERROR(rt::text_to_i4(u"2147483648"), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::text_to_i4(u"2147483647.5"), ErrorNumber::Overflow);
  EXPECT_RUNTIME_ERROR(rt::text_to_i4(u"-2147483649"), ErrorNumber::Overflow);
}

TEST(NumberText, WritesSignedDecimal) {
  EXPECT_EQ(rt::text_from_i4(0), u"0");
  EXPECT_EQ(rt::text_from_i4(100), u"100");
  EXPECT_EQ(rt::text_from_i4(-32768), u"-32768");
  EXPECT_EQ(rt::text_from_i4(std::numeric_limits<std::int32_t>::min()), u"-2147483648");
}

TEST(NumberText, FormatsByZeroPatterns) {
  struct Case {
    double value;
    std::u16string pattern, expected;
  };
  const Case cases[] = {
      {0, u"00", u"00"},      {2, u"00", u"02"},       {100, u"00", u"100"},  {0, u"000", u"000"},
      {2, u"000", u"002"},    {33, u"000", u"033"},    {1000, u"000", u"1000"}, {-1, u"00", u"-01"},
      {2.5, u"000", u"003"},  {-0.4, u"00", u"00"},    {1e20, u"00", u"100000000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::format_number(c.value, c.pattern), c.expected) << c.value;
  EXPECT_RUNTIME_ERROR(rt::format_number(1, u"#0"), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::format_number(1, u""), ErrorNumber::InvalidProcedureCall);
  EXPECT_RUNTIME_ERROR(rt::format_number(std::numeric_limits<double>::infinity(), u"00"),
                       ErrorNumber::InvalidProcedureCall);
}

}  // namespace
