// Devices that misbehave: one that stops taking samples is given up after
// the stall limit without waiting on it, and a fresh one plays the next
// sound; without any usable device the player says so once, in one line.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "tests/runtime/system/disk_audio.h"

namespace sound_tests {
namespace {

using test_support::pattern_samples;
using test_support::wave_file;

TEST_F(DiskAudio, AStuckDeviceIsGivenUpAndTheNextSoundOpensAFreshOne) {
  // SDL starts on this thread, as it does on the page's one thread.
  temp.write("first.pnn", wave_file(kMono16, pattern_samples(kMono16, 220)));
  ASSERT_TRUE(play("first.pnn"));
  // Then a recording of another format, for which the device is opened
  // anew: the disk driver writes into a FIFO whose reader never reads, with
  // room for a page of samples, and the device's thread blocks in its write.
  const std::filesystem::path fifo = temp.path() / "stuck.raw";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  fcntl(reader, F_SETPIPE_SZ, 4096);
  setenv("SDL_DISKAUDIOFILE", fifo.c_str(), 1);
  constexpr test_support::WaveFormat kStereo16{22050, 2, 16};
  temp.write("long.pnn", wave_file(kStereo16, pattern_samples(kStereo16, 22050)));

  int hook_runs = 0;
  rt::set_blocking_hook([&] { ++hook_runs; });
  auto call = std::async(std::launch::async, [&] { return platform->sndPlaySoundA(sound_name("long.pnn"), 2); });
  // The stall limit is two seconds; the call is given ten times that.
  if (call.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "the call waited on the stuck device";
    char drain[4096];
    while (call.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
      while (read(reader, drain, sizeof drain) > 0) {
      }
    }
  }
  EXPECT_EQ(call.get(), 0);
  EXPECT_GE(hook_runs, 1) << "the window was not kept answering while the device was stuck";
  rt::set_blocking_hook(nullptr);

  // The next sound goes to a fresh device, which writes to a file again.
  setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
  const std::string samples = pattern_samples(kMono16, 2205, 3);
  temp.write("next.pnn", wave_file(kMono16, samples));
  EXPECT_TRUE(play("next.pnn"));
  EXPECT_NE(played().find(samples), std::string::npos);
  close(reader);
}

// Runs `action` with stderr going to a file; what it wrote there.
template <typename Action>
std::string stderr_of(const test_support::TempFolder& temp, Action action) {
  const std::filesystem::path file = temp.path() / "stderr.txt";
  const int saved = dup(STDERR_FILENO);
  const int capture = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(capture, STDERR_FILENO);
  close(capture);
  action();
  dup2(saved, STDERR_FILENO);
  close(saved);
  return test_support::read_file(file);
}

TEST(NoAudio, WithoutADeviceOneLineIsWrittenOnce) {
  // ALSA with a configuration that knows no device: each open fails and
  // ALSA's library reports it on stderr.
  test_support::TempFolder temp;
  temp.write("asound.conf", "");
  setenv("SDL_AUDIODRIVER", "alsa", 1);
  setenv("ALSA_CONFIG_PATH", (temp.path() / "asound.conf").c_str(), 1);
  const auto file = temp.write("a.pnn", wave_file(kMono16, pattern_samples(kMono16, 100)));
  const std::string written = stderr_of(temp, [&] {
    rt::PosixPlatform platform;
    for (int call = 0; call < 3; ++call) EXPECT_EQ(platform.sndPlaySoundA(file.string(), 2), 0);
  });
  unsetenv("ALSA_CONFIG_PATH");
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1) << written;
}

}  // namespace
}  // namespace sound_tests
