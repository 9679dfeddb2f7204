#include "runtime/system/riff_layout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "runtime/core/byte_reader.h"
#include "runtime/core/byte_writer.h"

namespace rt {
namespace {

// Real recordings hold a handful of chunks before their samples; a file
// that holds hundreds is not read any further.
constexpr int kMaxChunks = 256;
// A format chunk says in a few dozen bytes how the samples are laid out:
// one that claims more than this is no recording's, and is not read into
// memory.
constexpr std::uint32_t kMaxFormatChunk = 64 * 1024;

using FourCc = std::array<char, 4>;

bool is_chunk_id(const FourCc& id) {
  return std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
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

// Copies the format chunk. An odd size is rounded up, the pad byte counted
// in it, so that the decoder cannot fall out of step with the data chunk's
// header that follows: one byte out, it takes samples for chunk headers.
bool copy_format_chunk(const ReadAt& read_at, std::uint64_t body, std::uint32_t size, ByteWriter& head) {
  if (size > kMaxFormatChunk) return false;
  std::vector<std::uint8_t> format(size + std::size_t{size % 2});
  if (!read_exactly(read_at, body, format.data(), size)) return false;
  static constexpr std::uint8_t kId[] = {'f', 'm', 't', ' '};
  head.bytes(kId);
  head.u32(static_cast<std::uint32_t>(format.size()));
  head.bytes(format);
  return true;
}

}  // namespace

std::optional<RiffLayout> read_riff_layout(const ReadAt& read_at, std::uint64_t file_size) {
  std::uint8_t header[12];
  if (!read_exactly(read_at, 0, header, sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  ByteWriter head;
  head.bytes(std::span<const std::uint8_t>(header, 4));
  head.u32(0);  // the RIFF size, set once the data chunk is found
  head.bytes(std::span<const std::uint8_t>(header + 8, 4));
  bool have_format = false;
  std::uint64_t offset = sizeof header;
  for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
    std::uint8_t chunk_header[8];
    if (offset > file_size || file_size - offset < sizeof chunk_header ||
        !read_exactly(read_at, offset, chunk_header, sizeof chunk_header)) {
      return std::nullopt;
    }
    ByteReader fields(chunk_header);
    const ByteReader::Bytes id = fields.bytes(4, "chunk id");
    const std::uint32_t size = fields.u32("chunk size");
    const std::uint64_t body = offset + sizeof chunk_header;
    const auto is = [&](const char* name) { return std::memcmp(id.data(), name, 4) == 0; };
    if (is("data")) {
      if (!have_format || size > file_size - body) return std::nullopt;
      head.bytes(chunk_header);
      const std::uint64_t riff_size = head.size() - 8 + std::uint64_t{size};
      head.patch_u32(4, static_cast<std::uint32_t>(
                            std::min<std::uint64_t>(riff_size, std::numeric_limits<std::uint32_t>::max())));
      return RiffLayout{head.take(), body, size};
    }
    // The first format chunk is the one a reader takes.
    if (is("fmt ") && !have_format) {
      if (!copy_format_chunk(read_at, body, size, head)) return std::nullopt;
      have_format = true;
    }
    offset = body + size;  // no overflow: body lies within the file, size is below 2^32
    if (size % 2 != 0 && !pad_is_missing(read_at, offset)) ++offset;
  }
  return std::nullopt;
}

}  // namespace rt
