#include "runtime/core/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace {

using rt::ErrorNumber;

TEST(RuntimeError, CarriesNumberAndAJapaneseMessageThenItsDetail) {
  try {
    rt::raise(ErrorNumber::FileNotFound, "/x/C01_002");
    FAIL() << "raise returned";
  } catch (const rt::RuntimeError& e) {
    EXPECT_EQ(e.code(), 53);
    EXPECT_STREQ(e.what(), "ファイルが見つかりません：/x/C01_002");
  }
  try {
    rt::raise(ErrorNumber::Overflow);
    FAIL() << "raise returned";
  } catch (const rt::RuntimeError& e) {
    EXPECT_STREQ(e.what(), rt::default_message(ErrorNumber::Overflow));
  }
}

// Kana are U+3040 to U+30FF: E3 81 80 to E3 83 BF in UTF-8.
bool has_kana(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xE3 && next >= 0x81 && next <= 0x83) return true;
  }
  return false;
}

TEST(RuntimeError, EveryNumberHasItsOwnJapaneseSentence) {
  const ErrorNumber numbers[] = {
      ErrorNumber::InvalidProcedureCall, ErrorNumber::Overflow,          ErrorNumber::OutOfMemory,
      ErrorNumber::DivisionByZero,       ErrorNumber::TypeMismatch,      ErrorNumber::FileNotFound,
      ErrorNumber::DeviceUnavailable,    ErrorNumber::PermissionDenied,  ErrorNumber::PathNotFound,
      ErrorNumber::InvalidPropertyValue, ErrorNumber::PropertyNotFound,
      static_cast<ErrorNumber>(1004),  // a number the runtime has no sentence of its own for
  };
  std::set<std::string> sentences;
  for (const ErrorNumber number : numbers) {
    const std::string sentence = rt::default_message(number);
    SCOPED_TRACE(std::to_string(static_cast<int>(number)) + ": " + sentence);
    EXPECT_TRUE(has_kana(sentence));
    EXPECT_TRUE(std::none_of(sentence.begin(), sentence.end(),
                             [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }));
    EXPECT_TRUE(sentences.insert(sentence).second) << "shared with another number";
  }
}

}  // namespace
