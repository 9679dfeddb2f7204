#pragma once
// What the chunk headers of a RIFF WAVE file say, read before the decoder
// sees the file, for the two things the decoder judges otherwise: an
// odd-sized chunk written without its pad byte (common in old recordings,
// which the decoder then refuses), and a data chunk that claims more bytes
// than the file holds (a cut file, which the decoder would play in part).
// The decoder is shown the file only up to the end of its samples: what
// follows them is nothing a player needs, and a chunk there that claims more
// than the file holds keeps the decoder reading for minutes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rt {

struct RiffLayout {
  // File offsets, in order, where a missing pad byte belongs.
  std::vector<std::uint64_t> missing_pads;
  // The file offset just after the data chunk's last byte.
  std::uint64_t data_end = 0;
};

// Reads `size` bytes at `offset`; returns how many it read.
using ReadAt = std::function<std::size_t(std::uint64_t offset, void* buffer, std::size_t size)>;

// The layout up to the data chunk; nothing when the file is no RIFF WAVE,
// has no data chunk among its first chunks, or its data chunk runs past
// the end of the file.
std::optional<RiffLayout> read_riff_layout(const ReadAt& read_at, std::uint64_t file_size);

}  // namespace rt
