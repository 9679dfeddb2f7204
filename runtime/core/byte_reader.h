#pragma once
// Reads little-endian fields from a bounded view of an input: every read,
// slice and seek is checked against the view's end before it happens, and
// one that does not fit throws ShortRead. A view knows its offset in the
// whole input, so a reader handed one record's or one picture's slice still
// names the place in the input that is wrong. Each reading layer turns a
// ShortRead into its own error.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace rt {

// A request that runs past the end of a reader's view.
class ShortRead : public std::runtime_error {
 public:
  enum class Kind {
    read,   // the next `length` bytes
    slice,  // `length` bytes at a position of the view
    seek,   // to a position of the view
  };

  // `detail` says what did not fit, without the view's name and the offset.
  ShortRead(Kind kind, std::size_t offset, std::string_view name, std::string_view field, std::uint64_t length,
            std::size_t left, std::string detail)
      : std::runtime_error(std::string(name) + ", offset " + std::to_string(offset) + ": " + detail),
        kind_(kind),
        offset_(offset),
        name_(name),
        field_(field),
        length_(length),
        left_(left),
        detail_(std::move(detail)) {}

  Kind kind() const noexcept { return kind_; }
  // Where it failed, in the whole input.
  std::size_t offset() const noexcept { return offset_; }
  // The view's name and the field being read.
  const std::string& name() const noexcept { return name_; }
  const std::string& field() const noexcept { return field_; }
  // Bytes asked for, and bytes the view holds from the requested position on.
  std::uint64_t length() const noexcept { return length_; }
  std::size_t left() const noexcept { return left_; }
  const std::string& detail() const noexcept { return detail_; }

 private:
  Kind kind_;
  std::size_t offset_;
  std::string name_;
  std::string field_;
  std::uint64_t length_;
  std::size_t left_;
  std::string detail_;
};

class ByteReader {
 public:
  using Bytes = std::span<const std::uint8_t>;

  // `base` is the offset of view[0] in the whole input. `name` names the
  // view in errors ("the record", "BMP"); it must outlive the reader, as a
  // literal does.
  explicit ByteReader(Bytes view, std::size_t base = 0, std::string_view name = "the input")
      : view_(view), base_(base), name_(name) {}

  std::size_t base() const { return base_; }           // of the view, in the whole input
  std::size_t offset() const { return base_ + pos_; }  // in the whole input
  std::size_t position() const { return pos_; }        // in this view
  std::size_t size() const { return view_.size(); }
  std::size_t remaining() const { return view_.size() - pos_; }
  bool at_end() const { return pos_ == view_.size(); }
  std::string_view name() const { return name_; }
  Bytes view() const { return view_; }

  std::uint8_t u8(std::string_view field) { return bytes(1, field)[0]; }
  std::uint16_t u16(std::string_view field) {
    const Bytes b = bytes(2, field);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
  }
  std::uint32_t u32(std::string_view field) {
    const Bytes b = bytes(4, field);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  }
  std::int16_t i16(std::string_view field) { return static_cast<std::int16_t>(u16(field)); }
  std::int32_t i32(std::string_view field) { return static_cast<std::int32_t>(u32(field)); }

  // The next `count` bytes, as a view; the reader steps over them.
  Bytes bytes(std::size_t count, std::string_view field) {
    if (count > remaining()) [[unlikely]]
      fail(ShortRead::Kind::read, pos_, count, field);
    const Bytes b = view_.subspan(pos_, count);
    pos_ += count;
    return b;
  }

  // A reader over the next `count` bytes, which this one steps over.
  ByteReader reader(std::size_t count, std::string_view field, std::string_view name) {
    const std::size_t start = offset();
    return ByteReader(bytes(count, field), start, name);
  }

  // A reader over the `length` bytes at `position` of this view, wherever
  // this reader stands. Position and length are checked apart, so no sum of
  // them can wrap.
  ByteReader slice(std::uint64_t position, std::uint64_t length, std::string_view field,
                   std::string_view name) const {
    if (position > size() || length > size() - position) [[unlikely]]
      fail(ShortRead::Kind::slice, position, length, field);
    const auto at = static_cast<std::size_t>(position);
    return ByteReader(view_.subspan(at, static_cast<std::size_t>(length)), base_ + at, name);
  }

  // Moves to `position` of this view; its end is a valid place to stand.
  void seek(std::uint64_t position, std::string_view field) {
    if (position > size()) [[unlikely]]
      fail(ShortRead::Kind::seek, position, 0, field);
    pos_ = static_cast<std::size_t>(position);
  }

 private:
  // The error names the requested position in the whole input, or the
  // view's end when the position lies beyond it.
  [[noreturn]] void fail(ShortRead::Kind kind, std::uint64_t position, std::uint64_t length,
                         std::string_view field) const {
    const std::size_t at = position > size() ? size() : static_cast<std::size_t>(position);
    throw ShortRead(kind, base_ + at, name_, field, length, size() - at, describe(kind, field, position, length));
  }

  std::string describe(ShortRead::Kind kind, std::string_view field, std::uint64_t position,
                       std::uint64_t length) const {
    const std::string f(field);
    switch (kind) {
      case ShortRead::Kind::read:
        return "ends before " + f + " (" + std::to_string(length) + " bytes needed, " +
               std::to_string(remaining()) + " left)";
      case ShortRead::Kind::slice:
        return f + " (" + std::to_string(length) + " bytes at " + std::to_string(position) +
               ") runs past the end, " + std::to_string(size()) + " bytes";
      case ShortRead::Kind::seek: return f + " at " + std::to_string(position) + " lies past the end";
    }
    return f;
  }

  Bytes view_;
  std::size_t base_;
  std::size_t pos_ = 0;
  std::string_view name_;
};

}  // namespace rt
