// Real playback through SDL's disk audio driver: what is played, when the
// call returns, what is refused, and how the program still ends.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/runtime/system/disk_audio.h"

namespace sound_tests {
namespace {

using test_support::format_chunk;
using test_support::pattern_samples;
using test_support::riff_wave;
using test_support::wave_file;
using test_support::WaveFormat;

constexpr std::uint32_t kFrames = 22050 * 3 / 10;  // 300 ms

TEST_F(DiskAudio, PlaysTheWholeRecordingBeforeReturning) {
  const std::string samples = pattern_samples(kMono16, kFrames);
  temp.write("pnn/ni2.pnn", wave_file(kMono16, samples));
  int hook_runs = 0;
  rt::set_blocking_hook([&] { ++hook_runs; });

  const rt::MonotonicNs start = rt::monotonic_now();
  EXPECT_NE(platform->sndPlaySoundA(sound_name("PNN\\NI2.pnn"), 2), 0);
  const rt::MonotonicNs took = rt::monotonic_now() - start;

  EXPECT_GE(took, 300 * rt::kNsPerMs) << "returned before the recording's end";
  EXPECT_GE(hook_runs, 1) << "the window was not kept answering during playback";
  const std::string out = played();
  EXPECT_NE(out.find(samples), std::string::npos) << "the samples did not reach the device";
  EXPECT_EQ(nonzero_samples(out), kFrames);
}

TEST_F(DiskAudio, ReadsTheFileAnewOnEveryCall) {
  const std::string first = pattern_samples(kMono16, 2205, 1);
  const std::string second = pattern_samples(kMono16, 2205, 2);
  temp.write("a.pnn", wave_file(kMono16, first));
  EXPECT_NE(platform->sndPlaySoundA(sound_name("a.pnn"), 2), 0);
  temp.write("a.pnn", wave_file(kMono16, second));
  EXPECT_NE(platform->sndPlaySoundA(sound_name("a.pnn"), 2), 0);
  const std::string out = played();
  const size_t at_first = out.find(first);
  ASSERT_NE(at_first, std::string::npos);
  EXPECT_NE(out.find(second, at_first + first.size()), std::string::npos);
}

TEST_F(DiskAudio, ReopensTheDeviceForAnotherFormat) {
  constexpr WaveFormat kStereo8{11025, 2, 8};
  const std::string samples = pattern_samples(kStereo8, 1102);
  temp.write("a.pnn", wave_file(kMono16, pattern_samples(kMono16, 2205)));
  temp.write("b.pnn", wave_file(kStereo8, samples));
  EXPECT_NE(platform->sndPlaySoundA(sound_name("a.pnn"), 2), 0);
  EXPECT_NE(platform->sndPlaySoundA(sound_name("b.pnn"), 2), 0);
  // The device wrote the second file in its own format, from its reopening on.
  EXPECT_NE(played().find(samples), std::string::npos);
}

TEST_F(DiskAudio, UnplayableFilesReturnZeroAndPlayNothing) {
  const std::string good = pattern_samples(kMono16, 2205);
  const std::string whole = wave_file(kMono16, good);
  temp.write("good.pnn", whole);
  temp.write("empty.pnn", "");
  temp.write("header-cut.pnn", whole.substr(0, 30));
  temp.write("data-cut.pnn", whole.substr(0, whole.size() - 1000));
  temp.write("garbage.pnn", std::string(5000, '\x5A'));
  temp.write("riff-avi.pnn", "RIFF\x10\0\0\0AVI LIST\x04\0\0\0hdrl" + good);
  temp.write("text.pnn", "ni2 is not a recording\n");
  std::filesystem::create_directories(temp.path() / "folder.pnn");
  // Stated rates and channel counts no device plays, the first ones so
  // large that a period counted from them overflows.
  for (const std::uint32_t rate : {0u, 178'956'971u, 0xFFFF'FFFFu, 384'001u}) {
    temp.write("rate-" + std::to_string(rate) + ".pnn", wave_file({rate, 1, 16}, good));
  }
  temp.write("channels-0.pnn", wave_file({22050, 0, 16}, good));
  temp.write("channels-9.pnn", wave_file({22050, 9, 16}, pattern_samples({22050, 9, 16}, 2205)));
  // A data chunk that claims more than the file holds, and a file cut short.
  temp.write("data-long.pnn", riff_wave(format_chunk(kMono16) + "data" + std::string("\x10\0\0\x01", 4) + good));

  EXPECT_NE(platform->sndPlaySoundA(sound_name("good.pnn"), 2), 0);  // the device is open from here
  for (const char* name : {"missing.pnn", "empty.pnn", "header-cut.pnn", "data-cut.pnn", "garbage.pnn",
                           "riff-avi.pnn", "text.pnn", "folder.pnn", "nofolder\\x.pnn", "\x82", "rate-0.pnn",
                           "rate-178956971.pnn", "rate-4294967295.pnn", "rate-384001.pnn", "channels-0.pnn",
                           "channels-9.pnn", "data-long.pnn"}) {
    EXPECT_EQ(platform->sndPlaySoundA(sound_name(name), 2), 0) << name;
  }
  EXPECT_EQ(nonzero_samples(played()), 2205u) << "something else was played";
}

TEST_F(DiskAudio, ProgramStillEndsOnTerminationSignals) {
  temp.write("a.pnn", wave_file(kMono16, pattern_samples(kMono16, 220)));
  for (const int signal_number : {SIGTERM, SIGINT}) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      const char played = platform->sndPlaySoundA(sound_name("a.pnn"), 2) != 0 ? 'y' : 'n';
      if (write(ready[1], &played, 1) != 1) _exit(2);
      for (;;) pause();
    }
    close(ready[1]);
    char played = 0;
    ASSERT_EQ(read(ready[0], &played, 1), 1);
    close(ready[0]);
    EXPECT_EQ(played, 'y') << "the child's sound did not play";
    kill(child, signal_number);
    const int status = wait_for_end(child);
    ASSERT_NE(status, -1) << "the process kept running after signal " << signal_number;
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << signal_number;
  }
}

// SDL, libsndfile and the libraries they link are loaded with the first
// sound, so that a start does not wait for them.
TEST_F(DiskAudio, SoundLibrariesAreLoadedByTheFirstSoundNotAtStart) {
  const std::string file = temp.write("a.pnn", wave_file(kMono16, pattern_samples(kMono16, 220))).string();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    execl(SOUND_PROBE_PATH, SOUND_PROBE_PATH, file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const int status = wait_for_end(child);
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: loaded at start, 2: did not play, 3: played without SDL";
}

TEST(NoAudio, NoDeviceReturnsZero) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  test_support::TempFolder temp;
  const auto file = temp.write("a.pnn", wave_file(kMono16, pattern_samples(kMono16, 100)));
  rt::PosixPlatform platform;
  EXPECT_EQ(platform.sndPlaySoundA(file.string(), 2), 0);
}

TEST(SoundPlayer, DevicePeriodsAreTwelveMillisecondsAtMost) {
  for (int rate : {8000, 11025, 22050, 44100, 48000, 96000, 192000, 384000}) {
    const int frames = rt::SoundPlayer::period_frames(rate);
    EXPECT_LE(frames, 512);
    EXPECT_LE(frames * 1000, 12 * rate) << rate;
  }
}


}  // namespace
}  // namespace sound_tests
