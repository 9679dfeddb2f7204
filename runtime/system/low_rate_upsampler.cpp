#include "runtime/system/low_rate_upsampler.h"

namespace rt {

LowRateUpsampler::LowRateUpsampler(int channels, int from_rate, int to_rate)
    : channels_(static_cast<std::size_t>(channels)), from_rate_(from_rate), to_rate_(to_rate) {}

const std::vector<float>& LowRateUpsampler::convert(const float* samples, std::size_t frames) {
  out_.clear();
  for (std::size_t frame = 0; frame < frames; ++frame) {
    // Stays below from_rate + to_rate: no count can grow out of range.
    carried_ += to_rate_;
    for (; carried_ >= from_rate_; carried_ -= from_rate_) {
      out_.insert(out_.end(), samples + frame * channels_, samples + (frame + 1) * channels_);
    }
  }
  return out_;
}

}  // namespace rt
