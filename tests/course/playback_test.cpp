// Cards and play buttons, heard through the sound capture.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

using Names = std::vector<std::string>;

TEST_F(PageTest, StartedFromAnotherFolderCardsPlayTheirSyllables) {
  // The build's own demo course, started from a folder that is not the
  // program's: the page must find ..\pnn from its own folder.
  CourseFolder elsewhere;
  start_page(demo_course() / "C01" / "C01_001", elsewhere.scratch(), elsewhere.scratch());
  // A speaker card, the two tones of 你, the neutral tone, one of line 4.
  const Names cards{"Image1", "Image3", "Image15", "Image18", "Image22"};
  Names expected;
  for (const auto& card : cards) {
    click_card(card);
    expected.push_back(std::string(layout::card(card).plays));
  }
  const auto heard = page().listen(expected.size());
  EXPECT_EQ(heard.names(), expected);
  // One pause after each, at the pause the page starts with.
  expect_silences(heard.silences_ms(), std::vector<double>(expected.size() - 1, 100));
}

TEST_F(PageTest, EveryCardPlaysItsOwnSyllable) {
  CourseFolder course;
  start_page(course);
  Names expected;
  for (const auto& card : layout::kCards) {
    page().click(layout::centre(card.rect));
    expected.push_back(std::string(card.plays));
  }
  EXPECT_EQ(page().listen(expected.size(), std::chrono::seconds(60)).names(), expected);
}

struct Phrase {
  Rect button;
  Names syllables;
  std::vector<double> silences;  // between the syllables, at the start pause
};

const std::vector<Phrase>& phrases() {
  static const std::vector<Phrase> table{
      {layout::kCmd001, {"ni2", "hao3"}, {100}},
      {layout::kCmd002, {"ni2", "hao3"}, {100}},
      // Line 3 waits at its comma: the pause, then the pause + 500 ms.
      {layout::kCmd003,
       {"wo3", "jiao4", "tian2", "zhong1", "ni3", "jiao4", "shen2", "me0", "ming2", "zi4"},
       {100, 100, 100, 700, 100, 100, 100, 100, 100}},
      {layout::kCmd004, {"wo3", "jiao4", "song1", "ben3"}, {100, 100, 100}},
  };
  return table;
}

TEST_F(PageTest, PlayButtonsSpeakTheirSentencesWithTheirPauses) {
  CourseFolder course;
  start_page(course);
  Names expected;
  std::vector<double> silences;
  for (const auto& phrase : phrases()) {
    page().click(layout::centre(phrase.button));
    // The last syllable's pause ends one button's run, then the next begins.
    if (!expected.empty()) silences.push_back(100);
    expected.insert(expected.end(), phrase.syllables.begin(), phrase.syllables.end());
    silences.insert(silences.end(), phrase.silences.begin(), phrase.silences.end());
  }
  const auto heard = page().listen(expected.size(), std::chrono::seconds(60), std::chrono::milliseconds(900));
  EXPECT_EQ(heard.names(), expected);
  expect_silences(heard.silences_ms(), silences);
}

}  // namespace
}  // namespace course_test
