#pragma once
// A bounded little-endian reader over one slice of a block. Offsets in its
// errors are offsets in the whole block, so a reader handed a record's or a
// picture's slice still names the place in the block that is wrong.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/definition/model.h"
#include "runtime/definition/reader.h"

namespace rt::definition {

class ByteReader {
 public:
  // `base` is the block offset of data[0]; `scope` names the slice in errors.
  explicit ByteReader(Bytes data, std::size_t base = 0, std::string_view scope = "the block")
      : data_(data), base_(base), scope_(scope) {}

  std::size_t offset() const { return base_ + pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool at_end() const { return pos_ == data_.size(); }

  std::uint8_t u8(std::string_view what) { return take_bytes(1, what)[0]; }
  std::uint16_t u16(std::string_view what) {
    Bytes b = take_bytes(2, what);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::uint32_t u32(std::string_view what) {
    Bytes b = take_bytes(4, what);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int16_t i16(std::string_view what) { return static_cast<std::int16_t>(u16(what)); }
  std::int32_t i32(std::string_view what) { return static_cast<std::int32_t>(u32(what)); }

  // The next `count` bytes, as a view.
  Bytes take_bytes(std::size_t count, std::string_view what) {
    if (count > remaining()) {
      fail(std::string(what) + " (" + std::to_string(count) + " bytes), but " +
           std::to_string(remaining()) + " bytes are left in " + std::string(scope_));
    }
    Bytes b = data_.subspan(pos_, count);
    pos_ += count;
    return b;
  }

  // A length read at `length_at` must fit in what is left; the error names
  // the length field, since that is the byte that is wrong.
  void check_length(std::size_t count, std::size_t length_at, std::string_view what) const {
    if (count > remaining()) {
      throw DefinitionError(length_at, std::string(what) + " of at most " +
                                           std::to_string(remaining()) + " bytes, to fit in " +
                                           std::string(scope_) + " (found " +
                                           std::to_string(count) + ")");
    }
  }

  // A reader over the next `count` bytes, which this one steps over.
  ByteReader take_reader(std::size_t count, std::string_view what, std::string_view scope) {
    std::size_t start = offset();
    return ByteReader(take_bytes(count, what), start, scope);
  }

  [[noreturn]] void fail(std::string_view expected) const { throw DefinitionError(offset(), expected); }

 private:
  Bytes data_;
  std::size_t base_;
  std::size_t pos_ = 0;
  std::string_view scope_;
};

}  // namespace rt::definition
