// Cards and play buttons, heard through the sound capture. Each click waits
// for its sounds, as a learner listens before clicking again; input made
// during playback is the subject of its own test.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/course/page_test.h"
#include "tests/support/dialogue.h"

namespace course_test {
namespace {

using Names = std::vector<std::string>;

TEST_F(LivePageTest, StartedFromAnotherFolderCardsPlayTheirSyllables) {
  // The build's own demo course, started from a folder that is not the
  // program's: the page must find ..\pnn from its own folder.
  CourseFolder elsewhere;
  start_page(demo_course() / "C01" / "C01_001", elsewhere.scratch(), elsewhere.scratch());
  // A speaker card, the two tones of 你, the neutral tone, one of line 4.
  Names expected;
  for (const char* card : {"Image1", "Image3", "Image15", "Image18", "Image22"}) {
    click_card(card);
    expected.push_back(layout::plays(card));
    ASSERT_EQ(page().listen(expected.size()).names(), expected);
  }
}

TEST_F(LivePageTest, EveryCardPlaysItsOwnSyllable) {
  CourseFolder course;
  start_page(course);
  Names expected;
  for (const auto& card : layout::kCards) {
    page().click(layout::centre(card.rect));
    expected.push_back(layout::plays(card.name));
    ASSERT_EQ(page().listen(expected.size()).names(), expected) << card.name;
  }
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
      {layout::kCmd003, test_support::kLine3, {100, 100, 100, 700, 100, 100, 100, 100, 100}},
      {layout::kCmd004, {"wo3", "jiao4", "song1", "ben3"}, {100, 100, 100}},
  };
  return table;
}

TEST_F(LivePageTest, PlayButtonsSpeakTheirSentencesWithTheirPauses) {
  CourseFolder course;
  start_page(course);
  for (const auto& phrase : phrases()) {
    SCOPED_TRACE(phrase.syllables.front() + "...");
    expect_played([&] { page().click(layout::centre(phrase.button)); }, phrase.syllables, phrase.silences);
  }
}

}  // namespace
}  // namespace course_test
