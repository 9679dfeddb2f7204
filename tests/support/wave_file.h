#pragma once
// Writing RIFF WAVE files of PCM samples for playback tests.

#include <cstdint>
#include <string>

namespace test_support {

struct WaveFormat {
  std::uint32_t frequency = 22050;
  std::uint16_t channels = 1;
  std::uint16_t bits = 16;  // 8 (unsigned) or 16 (signed little-endian)
};

// A complete file around the given sample bytes.
std::string wave_file(const WaveFormat& format, const std::string& samples);

// `frames` frames of a pattern that is never silent: every 16-bit sample is
// nonzero and every 8-bit sample differs from 0x80; `seed` varies it.
std::string pattern_samples(const WaveFormat& format, std::uint32_t frames, std::uint32_t seed = 0);

}  // namespace test_support
