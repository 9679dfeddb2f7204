#pragma once
// Appends little-endian fields to a growing block; the writers of stored
// definitions, pictures and resource sections share it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

namespace rt {

class ByteWriter {
 public:
  std::size_t size() const { return out_.size(); }
  std::vector<std::uint8_t> take() { return std::move(out_); }

  void u8(std::uint8_t v) { out_.push_back(v); }
  void u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void bytes(std::span<const std::uint8_t> b) {
    // resize + memcpy rather than insert: GCC 12 at -O3 warns falsely about
    // insert's memmove into a vector that starts empty.
    const std::size_t at = out_.size();
    out_.resize(at + b.size());
    if (!b.empty()) std::memcpy(out_.data() + at, b.data(), b.size());
  }
  void zeros(std::size_t count) { out_.resize(out_.size() + count, 0); }
  void pad_to(std::size_t size) { out_.resize(std::max(out_.size(), size), 0); }
  void align4() { pad_to((out_.size() + 3) & ~std::size_t{3}); }

  void patch_u8(std::size_t at, std::uint8_t v) { out_[at] = v; }
  void patch_u16(std::size_t at, std::uint16_t v) { patch(at, v, 2); }
  void patch_u32(std::size_t at, std::uint32_t v) { patch(at, v, 4); }

 private:
  void patch(std::size_t at, std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) out_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  std::vector<std::uint8_t> out_;
};

}  // namespace rt
