#pragma once
// Little-endian bytes appended in order.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace resources {

class ByteSink {
 public:
  void u8(std::uint8_t v) { bytes_.push_back(v); }
  void u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  void bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void pad_to(std::size_t size) { bytes_.resize(std::max(bytes_.size(), size), 0); }
  void align4() { pad_to((bytes_.size() + 3) & ~std::size_t{3}); }
  void put_u16_at(std::size_t at, std::uint16_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace resources
