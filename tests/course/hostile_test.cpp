// The page against a hostile course folder, a broken audio device and an
// odd environment: nothing there hangs it, floods its memory or makes it
// run another program, and it says clearly when it cannot start at all.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/course/cover_window.h"
#include "tests/course/page_test.h"
#include "tests/support/temp_folder.h"

namespace course_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Names = std::vector<std::string>;

// A part of the first panel's picture, away from every card.
constexpr Rect kPanelPart{100, 330, 300, 100};

// The page's end on a close request, as the window manager sends it.
std::optional<int> close_and_wait(LivePageTest& test) {
  test.display().request_close(test.page().window());
  return test.page().process().wait_exit(30s);
}

// A click on a card, the pointer then taken off the page, so that no
// tooltip lies over what the test looks at.
void click_card_and_leave(LivePageTest& test, std::string_view card) {
  const Point p = test.page().to_screen(layout::centre(layout::card(card).rect));
  ASSERT_EQ(xdotool(test.display(), {"mousemove", std::to_string(p.x), std::to_string(p.y), "click", "1",
                                     "mousemove", "1270", "1015"}),
            0);
}

class HostileTest : public LivePageTest {
 protected:
  void start(const CourseFolder& course, std::vector<std::pair<std::string, std::string>> env = {},
             fs::path capture = {}) {
    page_ = std::make_unique<PageSession>(
        display_, PageStart{.program = course.program(),
                            .cwd = course.scratch(),
                            .capture = capture.empty() ? course.scratch() / "sound.raw" : capture,
                            .env = std::move(env)});
    ASSERT_TRUE(page_->started());
  }
};

TEST_F(HostileTest, ARecordingThatIsAFifoIsSilentAndThePageGoesOn) {
  CourseFolder course;
  const fs::path fifo = course.root() / "pnn" / "song1.pnn";
  fs::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  start(course);
  click_card("Image5");  // song1: nobody ever writes to it
  click_card("Image18");
  EXPECT_EQ(page().listen(1).names(), Names{"me0"});
  EXPECT_EQ(close_and_wait(*this), std::optional<int>(0)) << "the close request was not carried out";
}

TEST_F(HostileTest, AHugeRecordingPlaysInLittleMemoryWhileTheWindowRepaints) {
  CourseFolder course;
  // 1 GiB of samples at 22050 Hz, a sparse file: hours long, no room on the disk.
  constexpr std::uint64_t kDataBytes = 1ull << 30;
  const fs::path huge = course.root() / "pnn" / "song1.pnn";
  std::string header = test_support::read_file(huge).substr(0, 36) + "data" + std::string("\0\0\0\x40", 4);
  std::ofstream(huge, std::ios::binary | std::ios::trunc) << header;
  fs::resize_file(huge, header.size() + kDataBytes);
  // Freed memory is not held back for checking: what is resident is what the page keeps.
  start(course, {{"ASAN_OPTIONS", "detect_leaks=0:quarantine_size_mb=0"}});
  const long idle = page().process().resident_kib();

  click_card_and_leave(*this, "Image5");
  // Playing: the capture grows.
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (fs::file_size(course.scratch() / "sound.raw") < 100'000 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(repaints_when_uncovered(display(), page(), kPanelPart)) << "the window was not repainted";
  long most = 0;
  for (int sample = 0; sample < 20; ++sample) {
    most = std::max(most, page().process().resident_kib());
    std::this_thread::sleep_for(100ms);
  }
  std::cout << "[ figure ] resident memory: idle " << idle << " KiB, playing a 1 GiB recording " << most
            << " KiB\n";
  EXPECT_LT(most - idle, 64 * 1024) << "KiB more than the idle page";
  EXPECT_TRUE(page().process().running());
}

TEST_F(HostileTest, AStuckDeviceDoesNotHoldThePage) {
  CourseFolder course;
  // The disk driver writes into a FIFO that the test holds open but never
  // reads, with room for one page: the device's thread blocks in its write.
  const fs::path fifo = course.scratch() / "stuck.raw";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  fcntl(reader, F_SETPIPE_SZ, 4096);
  start(course, {}, fifo);

  click_card_and_leave(*this, "Image5");
  EXPECT_TRUE(repaints_when_uncovered(display(), page(), kPanelPart)) << "the window was not repainted";
  // The stall limit is two seconds; the request is carried out once the
  // call has given the device up.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(close_and_wait(*this), std::optional<int>(0)) << "the close request was not carried out";
  std::cout << "[ figure ] the page ended "
            << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count()
            << " ms after the close request, made during the stuck sound\n";
  close(reader);
}

// Folder names Linux allows that the page's own texts cannot hold as they are.
TEST_F(HostileTest, AProgramFolderWithABackslashAndBytesThatAreNotUtf8Works) {
  CourseFolder course({.folder_name = "back\\slash \xff\xfe"});
  start(course);
  click_card("Image5");
  EXPECT_EQ(page().listen(1).names(), Names{"song1"});
}

TEST_F(HostileTest, AProgramFolderLongerThanOnePathCallCanTakeWorks) {
  // Twenty-five folders of 200 bytes, made and entered one at a time by a
  // launcher, which then starts the page: no path of it fits one call.
  CourseFolder source;
  const fs::path scratch = source.scratch();
  std::string script = "#!/bin/sh\nset -e\n";
  // "cd -P": enters the folder by its name alone, not by its whole path.
  const std::string part(200, 'd');
  for (int level = 0; level < 25; ++level) script += "mkdir -p " + part + " && cd -P " + part + "\n";
  script += "mkdir -p C01 pnn\ncp '" + source.program().string() + "' C01/\ncp '" + (source.root() / "pnn").string() +
            "'/*.pnn pnn/\nexec ./C01/C01_001\n";
  std::ofstream(scratch / "start") << script;
  fs::permissions(scratch / "start", fs::perms::owner_all);
  page_ = std::make_unique<PageSession>(
      display_, PageStart{.program = scratch / "start", .cwd = scratch, .capture = scratch / "sound.raw"});
  ASSERT_TRUE(page().started());
  click_card("Image5");
  EXPECT_EQ(page().listen(1).names(), Names{"song1"});
}

// The volume control menu entry: 編集 > ﾎﾞﾘｭｰﾑｺﾝﾄﾛｰﾙ, by its access keys.
void choose_volume_control(PageSession& page) { page.press({"alt+e", "v"}); }

TEST_F(HostileTest, AStartedProgramGetsTheStandardDescriptorsOnly) {
  CourseFolder course;
  const fs::path bin = course.scratch() / "bin";
  fs::create_directories(bin);
  fs::copy_file(ARGV_STUB_PATH, bin / "pavucontrol");
  start(course, {{"PATH", bin.string()}});
  // A sound first: the sound device's file is open from then on.
  click_card("Image5");
  ASSERT_EQ(page().listen(1).names(), Names{"song1"});
  choose_volume_control(page());
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (!fs::exists(bin / "pavucontrol.args") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(50ms);
  ASSERT_TRUE(fs::exists(bin / "pavucontrol.fds")) << "the volume control was not started";
  EXPECT_EQ(test_support::read_file(bin / "pavucontrol.fds"), "0 1 2 ");
}

TEST_F(HostileTest, AnEmptyPathEntryDoesNotRunAProgramFromTheProgramFolder) {
  CourseFolder course;
  const fs::path planted = course.root() / "C01" / "pavucontrol";
  fs::copy_file(ARGV_STUB_PATH, planted);
  start(course, {{"PATH", ":/nonexistent"}});
  choose_volume_control(page());
  // No mixer is installed: the page says so in a message box.
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (display().top_level_windows().size() < 2 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(50ms);
  EXPECT_EQ(display().top_level_windows().size(), 2u) << "no message told that the volume control is missing";
  EXPECT_FALSE(fs::exists(planted.string() + ".args")) << "the program planted in the program folder was run";
}

// Started without a display: one line that names it, and status 1.
TEST(NoDisplay, OneLineNamesTheDisplayAndTheStatusIsOne) {
  struct Case {
    std::string display;
    std::string named;
  };
  const Case cases[] = {{"", "DISPLAY is not set"}, {":9999", "\":9999\""}};
  for (const Case& c : cases) {
    test_support::TempFolder temp;
    const fs::path written = temp.path() / "stderr";
    Child page({.argv = {"/bin/sh", "-c", "exec \"$0\" 2>\"$1\"", built_program().string(), written.string()},
                .env = {{"DISPLAY", c.display}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}});
    EXPECT_EQ(page.wait_exit(30s), std::optional<int>(1)) << c.display;
    const std::string text = test_support::read_file(written);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find(c.named), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace course_test
