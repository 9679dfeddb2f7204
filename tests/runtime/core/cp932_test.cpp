#include "runtime/core/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsTheTextsThePageStores) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"a", "a"},
      {u"ﾐﾘ", "\xD0\xD8"},  // half-width katakana stay single bytes
      {u"\r\n", "\r\n"},
      {u"解説", "\x89\xF0\x90\xE0"},
      {u"ＭＳ ゴシック", "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rt::to_cp932(c.text), c.bytes);
    EXPECT_EQ(rt::from_cp932(c.bytes), c.text);
  }
}

TEST(Cp932, RefusesWhatItCannotHold) {
  // 你 is no character of code page 932: an error at its position, not a '?'.
  try {
    rt::to_cp932(u"ab你");
    FAIL();
  } catch (const rt::EncodingError& e) {
    EXPECT_EQ(e.position(), 2u);
  }
  EXPECT_THROW(rt::from_cp932("\x82"), rt::EncodingError);  // lead byte alone
}
