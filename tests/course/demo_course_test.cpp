// The demo course as the build lays it out: one trimmed recording per
// syllable, each a distinct spoken syllable.

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "tests/course/recordings.h"

namespace course_test {
namespace {

TEST(DemoCourse, HasTheProgramFolderTheSoundFolderAndTheHelpFolder) {
  for (const char* folder : {"C01", "pnn", "help"})
    EXPECT_TRUE(std::filesystem::is_directory(demo_course() / folder)) << folder;
}

TEST(DemoCourse, EveryRecordingIsAShortTrimmedWaveFile) {
  for (const auto& recording : demo_recordings()) {
    SCOPED_TRACE(recording.name);
    const auto& s = recording.samples;
    const double ms = static_cast<double>(s.size()) / device_samples_per_ms();
    EXPECT_GT(ms, 150);
    EXPECT_LT(ms, 600);
    // Sound within a few milliseconds of both ends: the silence espeak-ng
    // leaves around a word would add to every pause.
    const auto loud = [](float v) { return std::fabs(v) > 0.01f; };
    const long edge = static_cast<long>(20 * device_samples_per_ms());
    EXPECT_TRUE(std::any_of(s.begin(), s.begin() + edge, loud));
    EXPECT_TRUE(std::any_of(s.end() - edge, s.end(), loud));
    const float peak = std::fabs(*std::max_element(s.begin(), s.end(), [](float a, float b) {
      return std::fabs(a) < std::fabs(b);
    }));
    EXPECT_NEAR(peak, 0.89, 0.02);  // normalised to -1 dBFS
  }
}

TEST(DemoCourse, TonesOfOneSyllableAreSpokenDifferently) {
  // ni2 and ni3 share their letters: only the tone tells them apart.
  const auto& all = demo_recordings();
  auto find = [&](const char* name) {
    return std::find_if(all.begin(), all.end(), [&](const Recording& r) { return r.name == name; })->samples;
  };
  EXPECT_NE(find("ni2"), find("ni3"));
}

}  // namespace
}  // namespace course_test
