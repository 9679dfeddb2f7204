// Ending the page: the exit command by mouse and by its access keys, and a
// close request. The program ends with status 0 and leaves nothing running.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

namespace fs = std::filesystem;

// Processes still running the program file `program`.
std::vector<std::string> processes_running(const fs::path& program) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::error_code error;
    const auto exe = fs::read_symlink(entry.path() / "exe", error);
    if (!error && exe == program) found.push_back(entry.path().filename().string());
  }
  return found;
}

struct Ending {
  const char* name;
  std::function<void(LivePageTest&, PageSession&)> end;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class ExitTest : public LivePageTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(ExitTest, EndsWithStatusZeroAndLeavesNothingRunning) {
  CourseFolder course;
  start_page(course);
  GetParam().end(*this, page());
  const auto status = page().process().wait_exit(std::chrono::seconds(15));
  ASSERT_TRUE(status) << "the page did not end";
  EXPECT_EQ(*status, 0);
  EXPECT_TRUE(processes_running(fs::canonical(course.program())).empty());
  EXPECT_TRUE(display_.top_level_windows().empty());
}

const Ending kEndings[] = {
    {"ExitByMouse",
     [](LivePageTest&, PageSession& page) {
       page.click_screen(page.first_menu_head());
       const auto menu = page.wait_for_popup();
       ASSERT_TRUE(menu) << "the File menu did not open";
       // The File menu holds the one entry.
       page.click_screen({menu->x + menu->width / 2, menu->y + menu->height / 2});
     }},
    {"ExitByAccessKeys", [](LivePageTest&, PageSession& page) { page.press({"alt+f", "x"}); }},
    {"CloseRequest", [](LivePageTest& test, PageSession& page) { test.display().request_close(page.window()); }},
};

INSTANTIATE_TEST_SUITE_P(Endings, ExitTest, ::testing::ValuesIn(kEndings),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace course_test
