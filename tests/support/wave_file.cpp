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

std::string riff_chunk(std::string_view id, const std::string& body, bool pad) {
  std::string out(id);
  put32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (pad && body.size() % 2 != 0) out += '\0';
  return out;
}

std::string format_chunk(const WaveFormat& format) {
  const std::uint32_t block = format.channels * (format.bits / 8u);
  std::string body;
  put16(body, 1);  // PCM
  put16(body, format.channels);
  put32(body, format.frequency);
  put32(body, format.frequency * block);
  put16(body, block);
  put16(body, format.bits);
  return riff_chunk("fmt ", body);
}

std::string riff_wave(const std::string& chunks) {
  std::string out = "RIFF";
  put32(out, static_cast<std::uint32_t>(4 + chunks.size()));
  return out + "WAVE" + chunks;
}

std::string wave_file(const WaveFormat& format, const std::string& samples) {
  return riff_wave(format_chunk(format) + riff_chunk("data", samples, false));
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
