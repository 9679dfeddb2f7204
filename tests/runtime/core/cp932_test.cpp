#include "runtime/core/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

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

// Converters stay open between calls: one that stopped at an error must
// still convert the next text from its start.
TEST(Cp932, ConvertsAfterAConversionThatFailed) {
  for (int round = 0; round < 2; ++round) {
    EXPECT_THROW(rt::from_cp932("a\x82"), rt::EncodingError);
    EXPECT_EQ(rt::from_cp932("\x40"), u"@");
    EXPECT_THROW(rt::to_cp932(u"你"), rt::EncodingError);
    EXPECT_EQ(rt::to_cp932(u"解"), "\x89\xF0");
    EXPECT_THROW(rt::from_utf8("\xE8\xA7"), rt::EncodingError);
    EXPECT_EQ(rt::from_utf8("\xE8\xA7\xA3"), u"解");
  }
}

TEST(Cp932, ThreadsConvertAtTheSameTime) {
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int& count : wrong)
    threads.emplace_back([&count] {
      for (int i = 0; i < 500; ++i) {
        if (rt::from_cp932("\x82\x6C\x82\x72\x20\x89\xF0") != u"ＭＳ 解") ++count;
        if (rt::to_utf8(u"解説") != "\xE8\xA7\xA3\xE8\xAA\xAC") ++count;
      }
    });
  for (std::thread& t : threads) t.join();
  for (int count : wrong) EXPECT_EQ(count, 0);
}
