#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "runtime/core/cp932.h"
#include "runtime/system/file_name_text.h"
#include "runtime/system/monotonic_wait.h"
#include "runtime/system/posix_platform.h"
#include "runtime/system/windows_path.h"
#include "tests/runtime/system/started_program.h"
#include "tests/support/runtime_error_expect.h"
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
    EXPECT_RUNTIME_ERROR_NAMING(platform.change_dir(rt::from_utf8(missing.string())), rt::ErrorNumber::PathNotFound,
                                missing.string());
  }
  EXPECT_EQ(fs::current_path(), saved);
  for (std::u16string drive : {u"", u"D:", u"c:\\x", u"/home", u"\\"}) EXPECT_NO_THROW(platform.change_drive(drive));
  EXPECT_RUNTIME_ERROR(platform.change_drive(u"home"), rt::ErrorNumber::DeviceUnavailable);
}

// Folders one inside the other, made one component at a time: a path of
// any length. The handle of the last.
int make_folders(const fs::path& base, const std::vector<std::string>& parts) {
  int folder = open(base.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  for (const std::string& part : parts) {
    mkdirat(folder, part.c_str(), 0755);
    const int inner = openat(folder, part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    close(folder);
    folder = inner;
  }
  return folder;
}

std::string joined(const fs::path& base, const std::vector<std::string>& parts) {
  std::string path = base.string();
  for (const std::string& part : parts) path += "/" + part;
  return path;
}

// Twenty-five folders of 200 bytes: 5000 bytes and more.
std::vector<std::string> long_path() { return std::vector<std::string>(25, std::string(200, 'd')); }

TEST_F(CurrentFolder, EntersAFolderWhosePathIsTooLongForOneCall) {
  const std::vector<std::string> parts = long_path();
  const int deep = make_folders(temp.path(), parts);
  ASSERT_GE(deep, 0);
  platform.change_dir(rt::text_of_file_name(joined(temp.path(), parts)));
  struct stat here {}, expected {};
  ASSERT_EQ(stat(".", &here), 0);
  ASSERT_EQ(fstat(deep, &expected), 0);
  EXPECT_EQ(here.st_ino, expected.st_ino);
  close(deep);
}

// A copy of the folder probe in `parts` below the test's folder, started
// from inside that folder: its exit status and what it wrote.
std::pair<int, std::string> run_probe_in(const fs::path& base, const std::vector<std::string>& parts) {
  const int folder = make_folders(base, parts);
  const int source = open(FOLDER_PROBE_PATH, O_RDONLY | O_CLOEXEC);
  const int copy = openat(folder, "folder_probe", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
  for (char chunk[65536]; const ssize_t got = read(source, chunk, sizeof chunk);) {
    if (got < 0 || write(copy, chunk, static_cast<size_t>(got)) != got) break;
  }
  close(source);
  close(copy);
  int output[2];
  if (pipe(output) != 0) return {-1, ""};
  const pid_t child = fork();
  if (child == 0) {
    dup2(output[1], STDOUT_FILENO);
    if (fchdir(folder) != 0) _exit(126);
    execl("./folder_probe", "./folder_probe", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(output[1]);
  close(folder);
  std::string written;
  for (char chunk[4096]; const ssize_t got = read(output[0], chunk, sizeof chunk);) {
    if (got < 0) break;
    written.append(chunk, static_cast<size_t>(got));
  }
  close(output[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, written};
}

TEST(ProgramFolder, AnyFolderLinuxCanHoldIsTheProgramFolder) {
  struct Case {
    const char* name;
    std::vector<std::string> parts;
  };
  const Case cases[] = {
      {"backslash", {"back\\slash", "C01"}},
      {"bytes that are not UTF-8", {"bytes-\xff\xfe-\xed\xa0\x80-\xc0\xaf", "C01"}},
      {"Japanese", {"日本語の教材", "C01"}},
      {"longer than 4096 bytes", long_path()},
  };
  for (const Case& c : cases) {
    test_support::TempFolder temp;
    const auto [status, folder] = run_probe_in(temp.path(), c.parts);
    EXPECT_EQ(status, 0) << c.name << " (1: folder not read, 2: not entered, 3: entered another)";
    EXPECT_EQ(folder, joined(temp.path(), c.parts)) << c.name;
  }
}

TEST(ProgramFolder, NamesPassThroughThePagesTextsAndBackUnchanged) {
  const std::string names[] = {
      "/course/C01",
      "/a\\b\\\\c\\",                                  // backslashes inside names
      "/x/\xff\xfe\x80",                                   // bytes that start no character
      "/x/\xed\xa0\x80\xed\xb0\x80",                         // surrogates written as UTF-8
      "/x/\xc0\xaf\xe0\x80\xaf",                             // overlong forms
      "/x/\xf4\x90\x80\x80\xe3\x81",                         // past U+10FFFF, a cut character
      "/x/日本語\xe6\x97/😀",
  };
  for (const std::string& name : names) {
    const std::u16string text = rt::text_of_file_name(name);
    EXPECT_EQ(rt::translate_path(text), name);
    // Joined with the page's own separator, as the page joins file names.
    EXPECT_EQ(rt::translate_path(text + u"\\C01_002.EXE"), name + "/C01_002.EXE");
  }
  EXPECT_EQ(rt::text_of_file_name("/x/日本"), u"/x/日本");  // valid names read as themselves
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
