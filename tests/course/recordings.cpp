#include "tests/course/recordings.h"

namespace course_test {

// The page's sound call opens its device in the format of the file it plays
// and keeps it open while the format stays: the demo recordings' format.
const DeviceFormat kDevice{22050, AUDIO_S16LSB, 1};

std::filesystem::path demo_course() { return C01_DEMO_COURSE; }

const std::vector<std::string>& syllable_names() {
  static const std::vector<std::string> names{"ben3", "hao3",  "jiao4", "me0",  "ming2",  "ni2", "ni3",
                                              "shen2", "song1", "tian2", "wo3", "zhong1", "zi4"};
  return names;
}

const std::vector<Recording>& demo_recordings() {
  static const std::vector<Recording> recordings = load_recordings(demo_course() / "pnn", syllable_names(), kDevice);
  return recordings;
}

double device_samples_per_ms() { return kDevice.frequency / 1000.0; }

}  // namespace course_test
