#pragma once
// What the chunk headers of a RIFF WAVE file say, read before the decoder
// sees the file. The decoder is shown a file of our making: a RIFF header,
// the format chunk and the data chunk, so that it reads nothing a player
// does not need. Every other chunk (lists of information, sample counts,
// cue points, editors' own) is left out: a list entry that claims a size
// near 4 GiB keeps the decoder reading without end before the samples and
// for minutes behind them, and a sample count shorter than the decoder
// expects puts it out of step with the chunks that follow. Two defects are mended on the
// way: an odd-sized chunk written without its pad byte (common in old
// recordings, which the decoder then refuses) is stepped over, and a data
// chunk that claims more bytes than the file holds (a cut file, which the
// decoder would play in part) is refused.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rt {

struct RiffLayout {
  // What the decoder reads first: the RIFF header, the format chunk and
  // the data chunk's header.
  std::vector<std::uint8_t> head;
  // Where the data chunk's bytes lie in the file; the decoder reads them
  // straight after the head.
  std::uint64_t data_offset = 0;
  std::uint64_t data_size = 0;
};

// Reads `size` bytes at `offset`; returns how many it read.
using ReadAt = std::function<std::size_t(std::uint64_t offset, void* buffer, std::size_t size)>;

// The layout up to the data chunk; nothing when the file is no RIFF WAVE,
// has no format chunk before its data chunk, has no data chunk among its
// first chunks, or its data chunk runs past the end of the file.
std::optional<RiffLayout> read_riff_layout(const ReadAt& read_at, std::uint64_t file_size);

}  // namespace rt
