#pragma once
// Offsets inside the tiny sample's block, found from the record sizes, so the
// malformed-block cases name the bytes they break.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sample {

inline std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline void put_u32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The tiny sample: window W, link, Label L, link, Line K, 02 05, menu M ...
struct TinyLayout {
  explicit TinyLayout(const std::vector<std::uint8_t>& b)
      : window(93),
        after_window(window + u32_at(b, window)),
        label(after_window + 1),
        line(label + u32_at(b, label) + 1),
        menu(line + u32_at(b, line) + 2) {}
  // Records with a one-letter name start their properties 10 bytes in.
  static constexpr std::size_t kFirstOpcode = 10;
  std::size_t window, after_window, label, line, menu;
};

}  // namespace sample
