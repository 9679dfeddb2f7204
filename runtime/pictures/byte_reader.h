#pragma once
// A bounded little-endian reader over one span: every read is checked against
// the span's end before it happens, and a short read throws PictureError
// naming the offset and the field.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/pictures/pixels.h"

namespace rt::pictures {

class ByteReader {
 public:
  // `what` prefixes every error ("BMP", "icon image").
  ByteReader(std::span<const std::uint8_t> bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

  std::uint8_t u8(const char* field);
  std::uint16_t u16(const char* field);
  std::uint32_t u32(const char* field);
  std::int32_t i32(const char* field);

  // The `length` bytes at `offset` of the whole span, checked for overflow.
  std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t length, const char* field) const;

  void seek(std::uint64_t offset, const char* field);
  std::size_t offset() const { return offset_; }
  std::size_t size() const { return bytes_.size(); }

  [[noreturn]] void fail(std::size_t at, const std::string& message) const;

 private:
  std::span<const std::uint8_t> take(std::size_t n, const char* field);

  std::span<const std::uint8_t> bytes_;
  std::string what_;
  std::size_t offset_ = 0;
};

}  // namespace rt::pictures
