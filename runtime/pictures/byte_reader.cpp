#include "runtime/pictures/byte_reader.h"

namespace rt::pictures {

void ByteReader::fail(std::size_t at, const std::string& message) const {
  throw PictureError(what_ + ": at byte " + std::to_string(at) + ": " + message);
}

std::span<const std::uint8_t> ByteReader::take(std::size_t n, const char* field) {
  if (n > bytes_.size() - offset_)
    fail(offset_, std::string("ends before ") + field + " (" + std::to_string(n) + " bytes needed, " +
                      std::to_string(bytes_.size() - offset_) + " left)");
  const auto part = bytes_.subspan(offset_, n);
  offset_ += n;
  return part;
}

std::uint8_t ByteReader::u8(const char* field) { return take(1, field)[0]; }

std::uint16_t ByteReader::u16(const char* field) {
  const auto b = take(2, field);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::u32(const char* field) {
  const auto b = take(4, field);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::int32_t ByteReader::i32(const char* field) { return static_cast<std::int32_t>(u32(field)); }

std::span<const std::uint8_t> ByteReader::slice(std::uint64_t offset, std::uint64_t length, const char* field) const {
  if (offset > bytes_.size() || length > bytes_.size() - offset)
    fail(offset > bytes_.size() ? bytes_.size() : static_cast<std::size_t>(offset),
         std::string(field) + " (" + std::to_string(length) + " bytes at " + std::to_string(offset) +
             ") runs past the end, " + std::to_string(bytes_.size()) + " bytes");
  return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

void ByteReader::seek(std::uint64_t offset, const char* field) {
  if (offset > bytes_.size())
    fail(bytes_.size(), std::string(field) + " at " + std::to_string(offset) + " lies past the end");
  offset_ = static_cast<std::size_t>(offset);
}

}  // namespace rt::pictures
