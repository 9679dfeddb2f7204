// A run-time error that reaches the window is shown in the interface's
// language: the box's caption line, then a Japanese sentence for the error
// and what it concerns. Read back through the clipboard, as a learner who
// passes the message on would copy it.

#include <string>

#include "tests/course/page_test.h"

namespace course_test {
namespace {

using namespace std::chrono_literals;

bool has_latin_letters(const std::string& text) {
  for (char c : text)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return false;
}

TEST_F(LivePageTest, RunTimeErrorIsShownInJapanese) {
  display_.start_window_manager();
  CourseFolder course;
  // No volume mixer to be found: the volume control cannot start.
  page_ = std::make_unique<PageSession>(display_, PageStart{.program = course.program(),
                                                            .cwd = course.scratch(),
                                                            .capture = course.scratch() / "sound.raw",
                                                            .env = {{"PATH", course.scratch().string()}}});
  ASSERT_TRUE(page().started());
  page().press({"alt+e", "v"});  // 編集 > ﾎﾞﾘｭｰﾑｺﾝﾄﾛｰﾙ
  ASSERT_TRUE(wait_until([&] { return display_.top_level_windows().size() == 2; }, 20s)) << "no message box";

  // The box has the focus; Ctrl+C copies its text.
  const std::string caption = "実行時エラー '53':\n\n";
  std::optional<std::string> text;
  wait_until(
      [&] {
        xdotool(display_, {"key", "ctrl+c"});
        text = display_.clipboard_text(2s);
        return text && text->find(caption) != std::string::npos;
      },
      20s);
  ASSERT_TRUE(text && text->find(caption) != std::string::npos) << "the box's text: " << text.value_or("none");
  const std::size_t from = text->find(caption) + caption.size();
  const std::string message = text->substr(from, text->find('\n', from) - from);
  EXPECT_EQ(message.rfind("ファイルが見つかりません：", 0), 0u) << message;
  EXPECT_NE(message.find("音量ミキサー"), std::string::npos) << message;
  EXPECT_FALSE(has_latin_letters(message)) << message;

  // Answered, the box goes and the page goes on.
  xdotool(display_, {"key", "Return"});
  EXPECT_TRUE(wait_until([&] { return display_.top_level_windows().size() == 1; }, 20s));
  EXPECT_TRUE(page().process().running());
}

}  // namespace
}  // namespace course_test
