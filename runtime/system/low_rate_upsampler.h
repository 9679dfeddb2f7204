#pragma once
// Raises the rate of a recording stated at a very low rate (a few hertz to a
// few kilohertz) to a device rate, each frame held for its share of the
// device's frames. SDL's own converter delays its output by a frame or so
// of the input, which at 1 Hz is more than a second of added silence; a held
// frame adds none, so the sound lasts exactly the recording's length.

#include <cstddef>
#include <vector>

namespace rt {

class LowRateUpsampler {
 public:
  LowRateUpsampler(int channels, int from_rate, int to_rate);

  // The frames at the device rate for the next `frames` frames of floats.
  const std::vector<float>& convert(const float* samples, std::size_t frames);

 private:
  std::size_t channels_;
  long long from_rate_;
  long long to_rate_;
  long long carried_ = 0;  // device frames owed to the input so far, times from_rate, less those given
  std::vector<float> out_;
};

}  // namespace rt
