#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "runtime/core/cp932.h"
#include "runtime/core/error.h"
#include "runtime/system/monotonic_wait.h"
#include "runtime/system/posix_platform.h"
#include "tests/runtime/system/started_program.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(PosixPlatform, KnowsItsFolderAndTitle) {
  rt::PosixPlatform platform;
  EXPECT_EQ(platform.program_folder(), rt::from_utf8(TEST_BINARY_DIR));
  EXPECT_EQ(platform.title(), u"C01_001");
}

TEST(PosixPlatform, SystemFolderFollowsTheBufferRule) {
  rt::PosixPlatform platform;
  const std::string folder = rt::PosixPlatform::kSystemFolder;
  const auto length = static_cast<std::uint32_t>(folder.size());
  struct Case {
    std::uint32_t size;
    std::uint32_t result;
    bool filled;
  };
  const Case cases[] = {{145, length, true}, {length + 1, length, true}, {length, length + 1, false}, {0, length + 1, false}};
  for (const Case& c : cases) {
    std::string buffer(145, '#');
    EXPECT_EQ(platform.GetSystemDirectoryA(buffer.data(), c.size), c.result) << c.size;
    const std::string expected = c.filled ? folder + '\0' + std::string(145 - length - 1, '#') : std::string(145, '#');
    EXPECT_EQ(buffer, expected) << c.size;
  }
  EXPECT_EQ(folder.substr(0, 3), "C:\\");  // the volume control is found from the drive root
}

TEST(PosixPlatform, SleepIsNeverShortAndKeepsTheWindowAnswering) {
  rt::PosixPlatform platform;
  int hook_runs = 0;
  rt::set_blocking_hook([&] { ++hook_runs; });
  for (std::uint32_t ms : {0u, 1u, 100u}) {
    hook_runs = 0;
    const rt::MonotonicNs start = rt::monotonic_now();
    platform.SleepEx(ms, 1);
    EXPECT_GE(rt::monotonic_now() - start, static_cast<rt::MonotonicNs>(ms) * rt::kNsPerMs);
    // How often the hook runs depends on the machine's load; that it runs
    // during a long wait does not.
    if (ms >= 100) {
      EXPECT_GE(hook_runs, 1) << ms;
    }
  }
  rt::set_blocking_hook(nullptr);
}

class CurrentFolder : public testing::Test {
 protected:
  void SetUp() override { saved = fs::current_path(); }
  void TearDown() override { fs::current_path(saved); }

  fs::path saved;
  test_support::TempFolder temp;
  rt::PosixPlatform platform;
};

TEST_F(CurrentFolder, ChangesToFoldersWhateverTheirCase) {
  temp.write("Course/C01/x", "");
  platform.change_drive(rt::from_utf8(temp.path().string()));
  platform.change_dir(rt::from_utf8(temp.path().string()) + u"\\COURSE\\c01");
  EXPECT_EQ(fs::current_path(), temp.path() / "Course/C01");
  platform.change_dir(u"..");
  EXPECT_EQ(fs::current_path(), temp.path() / "Course");
}

TEST_F(CurrentFolder, RefusesWhatItCannotChangeTo) {
  temp.write("file", "");
  for (const fs::path& missing : {temp.path() / "missing", temp.path() / "file"}) {
    try {
      platform.change_dir(rt::from_utf8(missing.string()));
      ADD_FAILURE();
    } catch (const rt::RuntimeError& e) {
      EXPECT_EQ(e.number(), rt::ErrorNumber::PathNotFound);
      EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(fs::current_path(), saved);
  for (std::u16string drive : {u"", u"D:", u"c:\\x", u"/home", u"\\"}) EXPECT_NO_THROW(platform.change_drive(drive));
  EXPECT_THROW(platform.change_drive(u"home"), rt::RuntimeError);
}

class Help : public CurrentFolder {
 protected:
  void SetUp() override {
    CurrentFolder::SetUp();
    saved_path = getenv("PATH");
    setenv("PATH", (temp.path() / "bin").c_str(), 1);
    system_tests::install_stub(temp.path() / "bin/xdg-open");
    temp.write("help/Quorri.HLP", "help");
    fs::create_directories(temp.path() / "C01");
    fs::current_path(temp.path() / "C01");
  }
  void TearDown() override {
    setenv("PATH", saved_path.c_str(), 1);
    CurrentFolder::TearDown();
  }

  std::string saved_path;
};

TEST_F(Help, OpensAnExistingHelpFileWithTheDesktopOpener) {
  EXPECT_NE(platform.WinHelpA(4242, "..\\help\\Quorri.hlp", 11, 0), 0);
  EXPECT_EQ(system_tests::stub_arguments(temp.path() / "bin/xdg-open"),
            std::vector<std::string>{"../help/Quorri.HLP"});
}

TEST_F(Help, AnswersZeroForAMissingFileOrAnotherCommand) {
  EXPECT_EQ(platform.WinHelpA(4242, "..\\help\\Missing.hlp", 11, 0), 0);
  EXPECT_EQ(platform.WinHelpA(4242, "..\\help\\Quorri.hlp", 3, 0), 0);
  EXPECT_EQ(platform.WinHelpA(4242, "..\\help\\\x82", 11, 0), 0);  // broken code page 932
  EXPECT_FALSE(fs::exists(temp.path() / "bin/xdg-open.args"));
}

TEST_F(Help, AnOpenerInTheCurrentFolderIsNotRunForAnEmptyPathEntry) {
  system_tests::install_stub(temp.path() / "C01/xdg-open");
  setenv("PATH", ":", 1);
  EXPECT_EQ(platform.WinHelpA(4242, "..\\help\\Quorri.hlp", 11, 0), 0);
  EXPECT_FALSE(fs::exists(temp.path() / "C01/xdg-open.args"));
}

TEST(PosixPlatformDeathTest, EndingFlushesAndExitsAtOnce) {
  rt::PosixPlatform platform;
  EXPECT_EXIT(
      {
        static char buffer[256];
        std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
        std::fputs("last words", stderr);
        platform.end_program();
      },
      testing::ExitedWithCode(0), "last words");
}

}  // namespace
