#include "tests/support/wave_file.h"

namespace test_support {
namespace {

void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

std::string wave_file(const WaveFormat& format, const std::string& samples) {
  const std::uint32_t block = format.channels * (format.bits / 8u);
  const auto size = static_cast<std::uint32_t>(samples.size());
  std::string out = "RIFF";
  put32(out, 36 + size);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, format.channels);
  put32(out, format.frequency);
  put32(out, format.frequency * block);
  put16(out, block);
  put16(out, format.bits);
  out += "data";
  put32(out, size);
  return out + samples;
}

std::string pattern_samples(const WaveFormat& format, std::uint32_t frames, std::uint32_t seed) {
  std::string out;
  const std::uint32_t count = frames * format.channels;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t step = (i * 37 + seed * 101) % 200;
    if (format.bits == 8) {
      out += static_cast<char>(0x81 + step % 120);
    } else {
      put16(out, 1000 + step * 97);
    }
  }
  return out;
}

}  // namespace test_support
