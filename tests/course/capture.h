#pragma once
// What the page played, read back from the file that SDL's disk audio driver
// writes: raw samples in the device's format, silence included, one device
// period after the other. Each sound is recognised by matching it, sample by
// sample, against the course's recordings converted to the device's format.

#include <SDL2/SDL_audio.h>

#include <filesystem>
#include <string>
#include <vector>

namespace course_test {

struct DeviceFormat {
  int frequency;
  SDL_AudioFormat format;
  int channels;
};

// One recording as the device plays it (first channel only).
struct Recording {
  std::string name;
  std::vector<float> samples;
};

// Loads <folder>/<name>.pnn for each name; a file that cannot be loaded as a
// WAVE file is an error of the test, not of the page.
std::vector<Recording> load_recordings(const std::filesystem::path& folder, const std::vector<std::string>& names,
                                       const DeviceFormat& device);

// One sound heard in the capture, in samples from the capture's start.
struct Heard {
  std::string name;  // the recording it matched, "?" when it matched none
  long start = 0;
  long end = 0;
  double match = 0;  // normalised correlation with that recording, 1 = exact
};

// The first channel of a capture file, as floats.
std::vector<float> read_capture(const std::filesystem::path& file, const DeviceFormat& device);

// Every sound of the capture, in order.
std::vector<Heard> hear(const std::vector<float>& capture, const std::vector<Recording>& recordings);

// Names of the sounds.
std::vector<std::string> names_of(const std::vector<Heard>& heard);

}  // namespace course_test
