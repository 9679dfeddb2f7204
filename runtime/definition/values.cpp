#include "runtime/definition/values.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "runtime/core/cp932.h"
#include "runtime/definition/format.h"
#include "runtime/definition/length_field.h"

namespace rt::definition {
namespace {

std::u16string decode(Bytes bytes, std::size_t offset, std::string_view what) {
  // Bytes below 0x80 are ASCII in code page 932; names, tooltips and most
  // short captions are, and skip the converter.
  if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b < 0x80; })) {
    return std::u16string(bytes.begin(), bytes.end());
  }
  try {
    return from_cp932(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const EncodingError& e) {
    throw DefinitionError(offset + e.position(), std::string(what) + " in code page 932");
  }
}

std::string encode(const std::u16string& text, std::size_t limit, std::string_view what) {
  std::string bytes;
  try {
    bytes = to_cp932(text);
  } catch (const EncodingError& e) {
    throw std::invalid_argument(std::string(what) + ": " + e.what());
  }
  if (bytes.size() > limit) {
    throw std::invalid_argument(std::string(what) + " of " + std::to_string(bytes.size()) +
                                " bytes is longer than " + std::to_string(limit));
  }
  return bytes;
}

Bytes as_bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::u16string read_text(rt::ByteReader& in) {
  std::size_t count_at = in.offset();
  std::uint16_t count = in.u16("a text's byte count");
  check_length(in, count, count_at, "a text");
  std::size_t at = in.offset();
  Bytes bytes = in.bytes(count, "the text's bytes");
  if (in.u8("the text's end byte 0") != 0) {
    throw DefinitionError(in.offset() - 1, "the text's end byte 0");
  }
  return decode(bytes, at, "a text");
}

bool read_boolean(rt::ByteReader& in) {
  std::uint8_t b = in.u8("a boolean");
  if (b != 0x00 && b != 0xFF) throw DefinitionError(in.offset() - 1, "a boolean 0x00 or 0xFF");
  return b == 0xFF;
}

Font read_font(rt::ByteReader& in) {
  Font font;
  font.version = in.u8("the font's version");
  font.charset = in.u16("the font's character set");
  font.style = in.u8("the font's style flags");
  font.weight = in.u16("the font's weight");
  font.size_e4 = in.u32("the font's size");
  std::size_t length_at = in.offset();
  std::uint8_t length = in.u8("the font's name length");
  check_length(in, length, length_at, "a font name");
  std::size_t at = in.offset();
  font.face = decode(in.bytes(length, "the font's name"), at, "a font name");
  return font;
}

Picture read_picture(rt::ByteReader& in) {
  std::size_t at = in.offset();
  std::uint32_t length = in.u32("a picture's length");
  if (length < 8) throw DefinitionError(at, "a picture length of at least 8");
  check_length(in, length, at, "a picture");
  rt::ByteReader picture = in.reader(length, "the picture", "the picture");
  std::size_t tag_at = picture.offset();
  if (picture.u32("the picture tag") != format::kPictureTag) {
    throw DefinitionError(tag_at, "the picture tag 6C 74 00 00");
  }
  std::size_t inner_at = picture.offset();
  if (picture.u32("the picture file's length") != length - 8) {
    throw DefinitionError(inner_at, "the picture file's length " + std::to_string(length - 8));
  }
  return Picture{picture.bytes(length - 8, "the picture file")};
}

}  // namespace

Value read_value(rt::ByteReader& in, Encoding encoding) {
  switch (encoding) {
    case Encoding::Text: return read_text(in);
    case Encoding::Boolean: return read_boolean(in);
    case Encoding::Byte: return in.u8("a small number");
    case Encoding::Integer: return in.i16("an integer");
    case Encoding::Long: return in.i32("a long integer");
    case Encoding::Colour: return Colour{in.u32("a colour")};
    case Encoding::Position: {
      Position p;
      p.left = in.i16("the left edge");
      p.top = in.i16("the top edge");
      p.width = in.i16("the width");
      p.height = in.i16("the height");
      return p;
    }
    case Encoding::ClientRect: {
      ClientRect r;
      r.left = in.i32("the left edge");
      r.top = in.i32("the top edge");
      r.width = in.i32("the width");
      r.height = in.i32("the height");
      return r;
    }
    case Encoding::Raw4: {
      Bytes b = in.bytes(4, "four raw bytes");
      return std::array<std::uint8_t, 4>{b[0], b[1], b[2], b[3]};
    }
    case Encoding::Font: return read_font(in);
    case Encoding::Picture: return read_picture(in);
  }
  throw std::logic_error("encoding without a reader");
}

void write_value(rt::ByteWriter& out, const Value& value) {
  std::visit(
      [&out](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::u16string>) {
          std::string bytes = encode(v, std::numeric_limits<std::uint16_t>::max(), "a text");
          out.u16(static_cast<std::uint16_t>(bytes.size()));
          out.bytes(as_bytes(bytes));
          out.u8(0);
        } else if constexpr (std::is_same_v<T, bool>) {
          out.u8(v ? 0xFF : 0x00);
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
          out.u8(v);
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
          out.i16(v);
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
          out.i32(v);
        } else if constexpr (std::is_same_v<T, Colour>) {
          out.u32(v.raw);
        } else if constexpr (std::is_same_v<T, Position>) {
          for (std::int16_t n : {v.left, v.top, v.width, v.height}) out.i16(n);
        } else if constexpr (std::is_same_v<T, ClientRect>) {
          for (std::int32_t n : {v.left, v.top, v.width, v.height}) out.i32(n);
        } else if constexpr (std::is_same_v<T, std::array<std::uint8_t, 4>>) {
          out.bytes(v);
        } else if constexpr (std::is_same_v<T, Font>) {
          std::string face = encode(v.face, std::numeric_limits<std::uint8_t>::max(), "a font name");
          out.u8(v.version);
          out.u16(v.charset);
          out.u8(v.style);
          out.u16(v.weight);
          out.u32(v.size_e4);
          out.u8(static_cast<std::uint8_t>(face.size()));
          out.bytes(as_bytes(face));
        } else if constexpr (std::is_same_v<T, Picture>) {
          if (v.file.size() > std::numeric_limits<std::uint32_t>::max() - 8) {
            throw std::invalid_argument("a picture too large for its length field");
          }
          auto length = static_cast<std::uint32_t>(v.file.size() + 8);
          out.u32(length);
          out.u32(format::kPictureTag);
          out.u32(length - 8);
          out.bytes(v.file);
        }
      },
      value);
}

}  // namespace rt::definition
