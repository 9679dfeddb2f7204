#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "runtime/core/cp932.h"
#include "runtime/system/posix_platform.h"
#include "tests/runtime/system/started_program.h"
#include "tests/support/runtime_error_expect.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using system_tests::install_stub;
using system_tests::stub_arguments;
using Arguments = std::vector<std::string>;

std::u16string text(const fs::path& path) { return rt::from_utf8(path.string()); }

void expect_file_not_found(rt::PosixPlatform& platform, std::u16string_view command) {
  SCOPED_TRACE(rt::to_utf8(command));
  EXPECT_RUNTIME_ERROR(platform.shell(command, rt::WindowStyle::Hidden), rt::ErrorNumber::FileNotFound);
}

class Shell : public testing::Test {
 protected:
  // Blanks, quotes, a command separator, a command substitution and Japanese.
  fs::path folder() const { return temp.path() / "my course \"1\" ;touch pwned; $(touch pwned) 中文コース"; }

  test_support::TempFolder temp;
  rt::PosixPlatform platform;
};

TEST_F(Shell, StartsTheProgramInAStrangeFolderWithItsOneArgument) {
  install_stub(folder() / "C01_002");
  const double task = platform.shell(text(folder()) + u"\\" + u"C01_002.EXE" + u" qevo", rt::WindowStyle::Hidden);

  EXPECT_EQ(stub_arguments(folder() / "C01_002"), Arguments{"qevo"});
  ASSERT_TRUE(platform.last_started());
  EXPECT_EQ(platform.last_started()->program, (folder() / "C01_002").string());
  EXPECT_EQ(platform.last_started()->style, rt::WindowStyle::Hidden);
  EXPECT_EQ(task, platform.last_started()->pid);
  EXPECT_FALSE(fs::exists(temp.path() / "pwned"));
  EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(Shell, QuotedProgramAndProgramWithoutArguments) {
  // A quoted program ends at the next quote, so its folder has none.
  const fs::path plain = temp.path() / "plain folder";
  install_stub(plain / "A.out");
  install_stub(folder() / "B.out");
  platform.shell(u"\"" + text(plain) + u"/a.OUT\" qevo  two", rt::WindowStyle::NormalFocus);
  platform.shell(text(folder() / "B.out"), rt::WindowStyle::NormalNoFocus);
  EXPECT_EQ(stub_arguments(plain / "A.out"), Arguments{"qevo  two"});
  EXPECT_EQ(stub_arguments(folder() / "B.out"), Arguments{});
  EXPECT_EQ(platform.last_started()->style, rt::WindowStyle::NormalNoFocus);
}

TEST_F(Shell, ProgramsThatCannotStartRaiseFileNotFound) {
  temp.write("data/not-executable", "x");
  fs::create_directories(temp.path() / "data/folder.EXE");
  expect_file_not_found(platform, text(temp.path() / "data/C01_000.EXE") + u" qevo");
  expect_file_not_found(platform, text(temp.path() / "data/not-executable") + u" qevo");
  expect_file_not_found(platform, text(temp.path() / "data/folder.EXE"));
  expect_file_not_found(platform, u"");
  EXPECT_FALSE(platform.last_started());
}

TEST_F(Shell, AMissingProgramNamedWithExeStartsNoShorterReading) {
  // The folder "pg two" beside an executable "pg": the unquoted command
  // could also be read as the program "pg" with an argument.
  install_stub(temp.path() / "pg");
  fs::create_directories(temp.path() / "pg two/C01");
  expect_file_not_found(platform, text(temp.path() / "pg two/C01/C01_002.EXE") + u" qevo");
  EXPECT_FALSE(platform.last_started());
}

TEST_F(Shell, StartedProgramsGetTheStandardDescriptorsOnly) {
  install_stub(folder() / "C01_002");
  const int file = open(temp.write("held", "x").c_str(), O_RDONLY);  // inheritable, as a library's may be
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  platform.shell(text(folder() / "C01_002") + u" qevo", rt::WindowStyle::Hidden);
  ASSERT_TRUE(stub_arguments(folder() / "C01_002"));
  EXPECT_EQ(test_support::read_file(folder() / "C01_002.fds"), "0 1 2 ");
  close(file);
  close(pipe_ends[0]);
  close(pipe_ends[1]);
}

TEST_F(Shell, EndedProgramsAreReaped) {
  install_stub(folder() / "C01_002");
  const auto pid = static_cast<pid_t>(platform.shell(text(folder() / "C01_002"), rt::WindowStyle::Hidden));
  ASSERT_TRUE(stub_arguments(folder() / "C01_002"));
  const fs::path process = "/proc/" + std::to_string(pid);
  for (int tries = 0; tries < 1000 && fs::exists(process); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(fs::exists(process)) << "left as a zombie";
}

// The program search is the system's: the test points it at its own folder.
class VolumeControl : public Shell {
 protected:
  void SetUp() override {
    const char* path = getenv("PATH");
    saved_path = path != nullptr ? path : "";
    fs::create_directories(temp.path() / "bin");
    setenv("PATH", (temp.path() / "bin").c_str(), 1);
  }
  void TearDown() override { setenv("PATH", saved_path.c_str(), 1); }

  std::string saved_path;
};

TEST_F(VolumeControl, StartsTheDesktopMixerInstead) {
  install_stub(temp.path() / "bin/pavucontrol");
  for (std::u16string command : {u"C:\\Windows\\Sndvol32.exe", u"\\WINDOWS\\sndvol32.EXE"}) {
    platform.shell(command, rt::WindowStyle::NormalNoFocus);
    EXPECT_EQ(platform.last_started()->program, (temp.path() / "bin/pavucontrol").string());
    EXPECT_EQ(stub_arguments(temp.path() / "bin/pavucontrol"), Arguments{});
    fs::remove(temp.path() / "bin/pavucontrol.args");
  }
}

TEST_F(VolumeControl, NoMixerInstalledRaisesFileNotFound) {
  expect_file_not_found(platform, u"D:\\Windows\\Sndvol32.exe");
}

TEST_F(VolumeControl, EmptyOrRelativePathEntriesDoNotSearchTheCurrentFolder) {
  // A mixer planted in the current folder, which is the course's program folder.
  const fs::path saved_folder = fs::current_path();
  install_stub(temp.path() / "course/pavucontrol");
  fs::current_path(temp.path() / "course");
  for (const std::string& search : {":" + (temp.path() / "bin").string(), (temp.path() / "bin").string() + ":",
                                   (temp.path() / "bin").string() + "::.", std::string("bin:.")}) {
    setenv("PATH", search.c_str(), 1);
    expect_file_not_found(platform, u"C:\\Windows\\Sndvol32.exe");
  }
  fs::current_path(saved_folder);
  EXPECT_FALSE(fs::exists(temp.path() / "course/pavucontrol.args"));
}

}  // namespace
