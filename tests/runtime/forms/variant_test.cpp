#include <gtest/gtest.h>

#include "runtime/forms/variant.h"
#include "tests/support/runtime_error_expect.h"

namespace {

using rt::ErrorNumber;
using rt::forms::Variant;

TEST(Variant, NumbersConvertWithinRangeAndRoundHalfToEven) {
  EXPECT_EQ(Variant(2370.0f).to_int16(), 2370);
  EXPECT_EQ(Variant(2.5f).to_int16(), 2);
  EXPECT_EQ(Variant(3.5f).to_int32(), 4);
  EXPECT_EQ(Variant(std::int16_t{-1}).to_float(), -1.0f);
  EXPECT_TRUE(Variant(std::int32_t{-1}).to_bool());
  EXPECT_FALSE(Variant(0.0f).to_bool());
  EXPECT_EQ(Variant(std::int32_t{-2147483647 - 1}).to_text(), u"-2147483648");
}

TEST(Variant, WrongKindOrRangeRaises) {
  struct Case {
    std::function<void()> convert;
    ErrorNumber expected;
  };
  const Case cases[] = {
      {[] { Variant(std::int32_t{32768}).to_int16(); }, ErrorNumber::Overflow},
      {[] { Variant(-32769.0f).to_int16(); }, ErrorNumber::Overflow},
      {[] { Variant(3e9f).to_int32(); }, ErrorNumber::Overflow},
      {[] { Variant(u"12").to_int16(); }, ErrorNumber::TypeMismatch},
      {[] { Variant().to_float(); }, ErrorNumber::TypeMismatch},
      {[] { Variant(true).to_text(); }, ErrorNumber::TypeMismatch},
      {[] { Variant(1.5f).to_text(); }, ErrorNumber::TypeMismatch},
  };
  for (const Case& c : cases) EXPECT_RUNTIME_ERROR(c.convert(), c.expected);
}

}  // namespace
