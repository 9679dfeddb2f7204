#pragma once
// Writing RIFF WAVE files of PCM samples for playback tests.

#include <cstdint>
#include <string>
#include <string_view>

namespace test_support {

struct WaveFormat {
  std::uint32_t frequency = 22050;
  std::uint16_t channels = 1;
  std::uint16_t bits = 16;  // 8 (unsigned) or 16 (signed little-endian)
};

// A complete file around the given sample bytes.
std::string wave_file(const WaveFormat& format, const std::string& samples);

// The pieces of a file, for files laid out by hand: a chunk (with the pad
// byte an odd size calls for, unless `pad` is false), the PCM format chunk,
// and the RIFF WAVE header around chunks.
std::string riff_chunk(std::string_view id, const std::string& body, bool pad = true);
std::string format_chunk(const WaveFormat& format);
std::string riff_wave(const std::string& chunks);

// `frames` frames of a pattern that is never silent: every 16-bit sample is
// nonzero and every 8-bit sample differs from 0x80; `seed` varies it.
std::string pattern_samples(const WaveFormat& format, std::uint32_t frames, std::uint32_t seed = 0);

}  // namespace test_support
