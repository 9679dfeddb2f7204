#pragma once
// The fixture of the playback tests: the real platform with SDL's disk
// audio driver, which writes what the device plays to a file (SDL's own
// variables select it).

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "runtime/system/monotonic_wait.h"
#include "runtime/system/posix_platform.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wave_file.h"

namespace sound_tests {

inline constexpr test_support::WaveFormat kMono16{22050, 1, 16};

class DiskAudio : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
    platform.emplace();
  }
  void TearDown() override { rt::set_blocking_hook(nullptr); }

  std::filesystem::path output() const { return temp.path() / "played.raw"; }
  std::string sound_name(const std::string& relative) const { return temp.path().string() + "\\" + relative; }
  bool play(const std::string& relative) { return platform->sndPlaySoundA(sound_name(relative), 2) != 0; }

  // Closing the device flushes what it wrote.
  std::string played() {
    platform.reset();
    return test_support::read_file(output());
  }

  test_support::TempFolder temp;
  std::optional<rt::PosixPlatform> platform;
};

// Nanoseconds a call takes.
template <typename Call>
rt::MonotonicNs time_of(Call call) {
  const rt::MonotonicNs start = rt::monotonic_now();
  call();
  return rt::monotonic_now() - start;
}

// Waits for a child to end; a child still running after some seconds is
// killed, so that a fault fails the test instead of hanging it.
inline int wait_for_end(pid_t child) {
  int status = 0;
  for (int tries = 0; tries < 1000; ++tries) {
    if (waitpid(child, &status, WNOHANG) == child) return status;
    usleep(10'000);
  }
  kill(child, SIGKILL);
  waitpid(child, &status, 0);
  return -1;
}

inline size_t nonzero_samples(const std::string& bytes) {
  size_t count = 0;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) count += (bytes[i] != 0 || bytes[i + 1] != 0) ? 1 : 0;
  return count;
}

}  // namespace sound_tests
