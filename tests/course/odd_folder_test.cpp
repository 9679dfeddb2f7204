// A course folder whose path holds blanks, quotes, a semicolon, a command
// substitution and Japanese characters: the page starts from it, finds its
// recordings through it, and no shell ever sees it.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

TEST_F(LivePageTest, StartsAndPlaysFromAFolderWithAnAwkwardName) {
  CourseFolder course({.folder_name = "a b 'c' \"d\" ;e $(touch pwned) 日本語の教材"});
  start_page(course);
  click_card("Image5");
  click_card("Image18");
  EXPECT_EQ(page().listen(2).names(), (std::vector<std::string>{"song1", "me0"}));
  for (const auto& folder : {course.scratch(), course.root(), course.root() / "C01"})
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned")) << folder;
}

}  // namespace
}  // namespace course_test
