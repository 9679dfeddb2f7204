// Damaged course data: the syllables that can be played are played, the
// others are silent for their pause, and the page neither ends nor shows a
// message.

#include <ostream>
#include <string>
#include <vector>

#include "tests/course/page_test.h"
#include "tests/support/dialogue.h"

namespace course_test {
namespace {

using Names = std::vector<std::string>;

using test_support::kLine3;
constexpr double kPause = 100;

struct Expected {
  Names names;
  std::vector<double> silences;
};

// What line 3 sounds like with the course's damaged recordings: every
// syllable, heard or not, is followed by its pause.
Expected line3_with(const CourseLayout& layout) {
  Expected out;
  double since_last = 0;
  for (std::size_t i = 0; i < kLine3.size(); ++i) {
    const auto it = layout.sounds.find(kLine3[i]);
    if (it == layout.sounds.end() || it->second == SoundFile::Good) {
      if (!out.names.empty()) out.silences.push_back(since_last);
      out.names.push_back(kLine3[i]);
      since_last = 0;
    }
    since_last += kPause;
    if (i == test_support::kLine3Comma) since_last += kPause + 500;
  }
  return out;
}

struct BadCourse {
  const char* name;
  CourseLayout layout;
  bool as_nobody = false;  // root reads any file: the page runs unprivileged
};

void PrintTo(const BadCourse& course, std::ostream* out) { *out << course.name; }

class BadCourseTest : public LivePageTest, public ::testing::WithParamInterface<BadCourse> {
 protected:
  void expect_page_unharmed() {
    EXPECT_TRUE(page().process().running());
    EXPECT_EQ(display_.top_level_windows().size(), 1u) << "a message window appeared";
  }
};

TEST_P(BadCourseTest, PlaysWhatCanBePlayedAndPausesForTheRest) {
  CourseFolder course(GetParam().layout);
  start_page(course, GetParam().as_nobody);
  const Expected expected = line3_with(GetParam().layout);
  expect_played([&] { page().click(layout::centre(layout::kCmd003)); }, expected.names, expected.silences);
  expect_page_unharmed();
  // And it goes on playing.
  click_card("Image5");
  EXPECT_EQ(page().listen(page().heard_count() + 1).names().back(), "song1");
}

const BadCourse kBadCourses[] = {
    {"MissingFile", {.sounds = {{"zhong1", SoundFile::Missing}}}},
    {"EmptyFile", {.sounds = {{"tian2", SoundFile::Empty}}}},
    {"TruncatedFile", {.sounds = {{"shen2", SoundFile::Truncated}}}},
    {"GarbageFile", {.sounds = {{"me0", SoundFile::Garbage}}}},
    {"FolderNamedLikeARecording", {.sounds = {{"ming2", SoundFile::Folder}}}},
    {"UnreadableFile", {.sounds = {{"jiao4", SoundFile::Unreadable}}}, true},
    {"SeveralAtOnce",
     {.sounds = {{"wo3", SoundFile::Garbage}, {"zhong1", SoundFile::Empty}, {"ni3", SoundFile::Folder}}}},
    // Course data copied from old media: names in capitals are found all the same.
    {"UpperCaseNames", {.upper_case = true}},
};

INSTANTIATE_TEST_SUITE_P(Courses, BadCourseTest, ::testing::ValuesIn(kBadCourses),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(BadCourseTest, WithoutASoundFolderTheLineIsSilent) {
  CourseFolder course({.sound_folder = false});
  start_page(course);
  page().click(layout::centre(layout::kCmd003));
  // The page takes input again once the line's handler has returned: the
  // chooser, clicked during the line, opens its list after it. One click,
  // whenever the line ends: a second one would close the list again.
  page().click(layout::centre(layout::kChooser));
  EXPECT_TRUE(page().wait_for_popup()) << "the page took no input after the line";
  EXPECT_TRUE(page().listen(0, std::chrono::seconds(1)).heard.empty());
  expect_page_unharmed();
}

}  // namespace
}  // namespace course_test
