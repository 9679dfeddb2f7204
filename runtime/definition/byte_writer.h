#pragma once
// Appends little-endian fields to a growing block.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/definition/model.h"

namespace rt::definition {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  std::size_t size() const { return out_.size(); }
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
  void bytes(Bytes b) {
    // resize + memcpy rather than insert: GCC 12 at -O3 warns falsely about
    // insert's memmove into a vector that starts empty.
    std::size_t at = out_.size();
    out_.resize(at + b.size());
    if (!b.empty()) std::memcpy(out_.data() + at, b.data(), b.size());
  }
  void zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }

  void patch_u8(std::size_t at, std::uint8_t v) { out_[at] = v; }
  void patch_u32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace rt::definition
