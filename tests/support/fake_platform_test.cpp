#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/runtime_error_expect.h"

namespace test_support {
namespace {

TEST(FakePlatform, BlockingCallsAdvanceTheClockAndRecordTheirStart) {
  InstalledFakePlatform installed;
  FakePlatform& fake = installed.fake;
  fake.set_sound("..\\pnn\\ni2.pnn", 1, 400);
  int hook_runs = 0;
  rt::set_blocking_hook([&] { ++hook_runs; });

  EXPECT_EQ(rt::platform().sndPlaySoundA("..\\pnn\\ni2.pnn", 2), 1);
  rt::platform().SleepEx(100, 1);
  EXPECT_EQ(rt::platform().sndPlaySoundA("..\\pnn\\missing.pnn", 2), 0);
  rt::set_blocking_hook(nullptr);

  ASSERT_EQ(fake.calls().size(), 3u);
  EXPECT_EQ(fake.calls()[1].kind, CallKind::SleepEx);
  EXPECT_EQ(fake.calls()[1].at_ms, 400u);
  EXPECT_EQ(fake.calls()[2].at_ms, 500u);
  EXPECT_EQ(fake.now_ms(), 500u);
  EXPECT_EQ(hook_runs, 2);
}

TEST(FakePlatform, SystemFolderFollowsTheBufferRule) {
  FakePlatform fake;
  fake.set_system_folder("C:\\WINDOWS");
  std::string buffer(11, 'x');
  EXPECT_EQ(fake.GetSystemDirectoryA(buffer.data(), 10), 11u);
  EXPECT_EQ(buffer, std::string(11, 'x'));
  EXPECT_EQ(fake.GetSystemDirectoryA(buffer.data(), 11), 10u);
  EXPECT_EQ(buffer, std::string("C:\\WINDOWS\0", 11));
}

TEST(FakePlatform, ShellFailsOnlyForTheNamedProgram) {
  FakePlatform fake;
  fake.fail_shell_for(u"/pages/C01_000.EXE");
  EXPECT_NO_THROW(fake.shell(u"/pages/C01_002.EXE qevo", rt::WindowStyle::Hidden));
  EXPECT_RUNTIME_ERROR(fake.shell(u"/pages/C01_000.EXE qevo", rt::WindowStyle::Hidden), rt::ErrorNumber::FileNotFound);
  ASSERT_EQ(fake.calls_of(CallKind::Shell).size(), 2u);
  EXPECT_EQ(fake.calls_of(CallKind::Shell)[1].text, u"/pages/C01_000.EXE qevo");
}

TEST(FakePlatform, RaisingCallsAreRecordedFirstAndEndingThrows) {
  FakePlatform fake;
  fake.raise_on(CallKind::ChangeDir, rt::ErrorNumber::PathNotFound);
  EXPECT_RUNTIME_ERROR(fake.change_dir(u"/nowhere"), rt::ErrorNumber::PathNotFound);
  EXPECT_THROW(fake.end_program(), rt::ProgramEnded);
  ASSERT_EQ(fake.calls().size(), 2u);
  EXPECT_EQ(fake.calls()[0].text, u"/nowhere");
  EXPECT_EQ(fake.calls()[1].kind, CallKind::EndProgram);
}

}  // namespace
}  // namespace test_support
