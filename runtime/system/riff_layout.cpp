#include "runtime/system/riff_layout.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace rt {
namespace {

// Real recordings hold a handful of chunks before their samples; a file
// that holds hundreds is not read any further.
constexpr int kMaxChunks = 256;

using FourCc = std::array<char, 4>;

bool is_chunk_id(const FourCc& id) {
  return std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::uint32_t little_endian(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool read_exactly(const ReadAt& read_at, std::uint64_t offset, void* buffer, std::size_t size) {
  return read_at(offset, buffer, size) == size;
}

// After an odd-sized chunk: the pad byte is missing when the byte where it
// belongs is not zero and a chunk header starts there instead.
bool pad_is_missing(const ReadAt& read_at, std::uint64_t pad_at) {
  FourCc next{};
  return read_exactly(read_at, pad_at, next.data(), next.size()) && next[0] != 0 && is_chunk_id(next);
}

}  // namespace

std::optional<RiffLayout> read_riff_layout(const ReadAt& read_at, std::uint64_t file_size) {
  std::uint8_t header[12];
  if (!read_exactly(read_at, 0, header, sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  RiffLayout layout;
  std::uint64_t offset = sizeof header;
  for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
    std::uint8_t chunk_header[8];
    if (offset > file_size || file_size - offset < sizeof chunk_header ||
        !read_exactly(read_at, offset, chunk_header, sizeof chunk_header)) {
      return std::nullopt;
    }
    const std::uint64_t size = little_endian(chunk_header + 4);
    const std::uint64_t body = offset + sizeof chunk_header;
    if (std::memcmp(chunk_header, "data", 4) == 0) {
      if (size > file_size - body) return std::nullopt;
      layout.data_end = body + size;
      return layout;
    }
    offset = body + size;  // no overflow: body lies within the file, size is below 2^32
    if (size % 2 != 0) {
      if (pad_is_missing(read_at, offset)) layout.missing_pads.push_back(offset);
      else ++offset;
    }
  }
  return std::nullopt;
}

}  // namespace rt
