#pragma once
// The page's syllables and their demo recordings as the sound device plays
// them, loaded once per test program.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/course/capture.h"

namespace course_test {

// The format in which the page opens its sound device, and its period.
extern const DeviceFormat kDevice;
inline constexpr double kDevicePeriodMs = 256 / 22.05;

// The demo course laid out by the build: C01/C01_001, pnn/, help/.
std::filesystem::path demo_course();

const std::vector<std::string>& syllable_names();
const std::vector<Recording>& demo_recordings();

// Samples of the device per millisecond at its nominal rate.
double device_samples_per_ms();

}  // namespace course_test
