#pragma once
// The page's opens of its recordings as the preloaded open_stamp library
// logs them, and the silences they time by the page's own clock.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/course/capture.h"

namespace course_test {

// One open of a recording, on the monotonic clock.
struct Opened {
  std::string name;  // the file's name without ".pnn", in lower case
  std::int64_t ns = 0;
};

// The log's opens in their order; none when there is no log.
std::vector<Opened> read_open_log(const std::filesystem::path& log);

// The silence after each heard sound but the last, in ms: from the sound's
// open to the next heard sound's open, less the sound's own length. Each
// sound is paired with the next open of its own recording, so that files
// opened but never heard (broken ones) are passed over and their pauses
// counted in. A heard sound with no open left to pair with is an error.
std::vector<double> silences_by_opens(const std::vector<Heard>& heard, const std::vector<Opened>& opens,
                                      double samples_per_ms);

}  // namespace course_test
