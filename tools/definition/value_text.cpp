#include "tools/definition/value_text.h"

#include <cstdio>
#include <limits>
#include <stdexcept>

#include "runtime/core/cp932.h"

namespace designer {
namespace {

using namespace rt::definition;

[[noreturn]] void wrong(const std::string& what) { throw std::invalid_argument(what); }

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_word_char(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(c) || c == '_'; }
int hex_digit(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Steps through the text of one value.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : s_(text) {}

  void skip_blanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
  }
  bool at_end() {
    skip_blanks();
    return pos_ == s_.size();
  }
  bool next_is(char c) {
    skip_blanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }
  void expect(char c) {
    if (!next_is(c)) wrong(std::string("expected '") + c + "'" + found());
    ++pos_;
  }
  void expect_end() {
    if (!at_end()) wrong("unexpected '" + std::string(s_.substr(pos_)) + "' after the value");
  }

  std::string word() {
    skip_blanks();
    std::size_t start = pos_;
    while (pos_ < s_.size() && is_word_char(s_[pos_])) ++pos_;
    if (start == pos_) wrong("expected a word" + found());
    return std::string(s_.substr(start, pos_ - start));
  }

  long long integer(long long min, long long max) {
    skip_blanks();
    std::size_t start = pos_;
    bool negative = pos_ < s_.size() && s_[pos_] == '-';
    if (negative) ++pos_;
    if (pos_ == s_.size() || !is_digit(s_[pos_])) {
      pos_ = start;
      wrong("expected a number" + found());
    }
    long long value = 0;
    while (pos_ < s_.size() && is_digit(s_[pos_])) {
      value = value * 10 + (s_[pos_++] - '0');
      if (value > 1LL << 40) break;
    }
    if (pos_ < s_.size() && is_word_char(s_[pos_])) wrong("expected a decimal number, found '" + std::string(s_.substr(start)) + "'");
    if (negative) value = -value;
    if (value < min || value > max) {
      wrong("number " + std::string(s_.substr(start, pos_ - start)) + " outside " + std::to_string(min) +
            " to " + std::to_string(max));
    }
    return value;
  }

  std::uint8_t hex_byte() {
    skip_blanks();
    if (pos_ + 2 > s_.size() || hex_digit(s_[pos_]) < 0 || hex_digit(s_[pos_ + 1]) < 0 ||
        (pos_ + 2 < s_.size() && s_[pos_ + 2] != ' ' && s_[pos_ + 2] != '\t')) {
      wrong("expected a two-digit hex byte" + found());
    }
    auto b = static_cast<std::uint8_t>(hex_digit(s_[pos_]) * 16 + hex_digit(s_[pos_ + 1]));
    pos_ += 2;
    return b;
  }

  std::uint32_t hex_u32() {  // after "0x"
    std::size_t start = pos_;
    std::uint32_t value = 0;
    while (pos_ < s_.size() && hex_digit(s_[pos_]) >= 0 && pos_ - start < 8) {
      value = value * 16 + static_cast<std::uint32_t>(hex_digit(s_[pos_++]));
    }
    if (pos_ - start != 8) wrong("expected eight hex digits after 0x");
    return value;
  }

  // A quoted text with its escapes, as UTF-8.
  std::string quoted() {
    expect('"');
    std::string out;
    while (true) {
      if (pos_ == s_.size()) wrong("text without its closing '\"'");
      char c = s_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ == s_.size()) wrong("text without its closing '\"'");
      switch (char e = s_[pos_++]) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        default: wrong(std::string("unknown escape \\") + e + " (\\r \\n \\\" \\\\ only)");
      }
    }
  }

  bool starts_with(std::string_view prefix) {
    skip_blanks();
    if (s_.substr(pos_, prefix.size()) != prefix) return false;
    pos_ += prefix.size();
    return true;
  }

 private:
  std::string found() const {
    return pos_ == s_.size() ? ", found the end of the line" : ", found '" + std::string(s_.substr(pos_)) + "'";
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

std::u16string text_value(const std::string& utf8, std::size_t byte_limit) {
  std::u16string text;
  try {
    text = rt::from_utf8(utf8);
  } catch (const rt::EncodingError&) {
    wrong("text that is not valid UTF-8");
  }
  std::string stored;
  try {
    stored = rt::to_cp932(text);
  } catch (const rt::EncodingError& e) {
    wrong("text with a character that code page 932 cannot hold, at character " + std::to_string(e.position() + 1));
  }
  if (stored.size() > byte_limit) {
    wrong("text of " + std::to_string(stored.size()) + " bytes in code page 932, more than " + std::to_string(byte_limit));
  }
  return text;
}

Font parse_font(Cursor& in) {
  Font font;
  font.face = text_value(in.quoted(), std::numeric_limits<std::uint8_t>::max());
  bool size = false, weight = false, charset = false, style = false, version = false;
  auto once = [](bool& seen, const std::string& key) {
    if (seen) wrong("font " + key + " given twice");
    seen = true;
  };
  while (!in.at_end()) {
    std::string key = in.word();
    if (key == "size") {
      once(size, key);
      font.size_e4 = static_cast<std::uint32_t>(in.integer(0, std::numeric_limits<std::uint32_t>::max()));
    } else if (key == "weight") {
      once(weight, key);
      font.weight = static_cast<std::uint16_t>(in.integer(0, 0xFFFF));
    } else if (key == "charset") {
      once(charset, key);
      font.charset = static_cast<std::uint16_t>(in.integer(0, 0xFFFF));
    } else if (key == "style") {
      once(style, key);
      font.style = static_cast<std::uint8_t>(in.integer(0, 0xFF));
    } else if (key == "version") {
      once(version, key);
      font.version = static_cast<std::uint8_t>(in.integer(0, 0xFF));
    } else {
      wrong("unknown font field '" + key + "' (size, weight, charset, style, version)");
    }
  }
  if (!size || !weight || !charset) wrong("a font needs its size, weight and charset");
  return font;
}

Colour parse_colour(Cursor& in) {
  if (in.starts_with("0x")) return Colour{in.hex_u32()};
  std::string kind = in.word();
  in.expect('(');
  Colour colour;
  if (kind == "rgb") {
    auto r = static_cast<std::uint8_t>(in.integer(0, 255));
    in.expect(',');
    auto g = static_cast<std::uint8_t>(in.integer(0, 255));
    in.expect(',');
    auto b = static_cast<std::uint8_t>(in.integer(0, 255));
    colour = Colour::rgb(r, g, b);
  } else if (kind == "system") {
    colour = Colour::system(static_cast<std::uint8_t>(in.integer(0, 255)));
  } else {
    wrong("expected a colour: rgb(R, G, B), system(N) or 0xHHHHHHHH");
  }
  in.expect(')');
  return colour;
}

template <typename T>
std::array<T, 4> four(Cursor& in) {
  std::array<T, 4> n{};
  for (std::size_t i = 0; i < n.size(); ++i) {
    if (i > 0) in.expect(',');
    n[i] = static_cast<T>(in.integer(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
  }
  return n;
}

Value parse_in(Cursor& in, Encoding encoding, const PictureResolver& picture) {
  switch (encoding) {
    case Encoding::Text: return text_value(in.quoted(), std::numeric_limits<std::uint16_t>::max());
    case Encoding::Boolean: {
      std::string w = in.word();
      if (w != "True" && w != "False") wrong("expected True or False, found '" + w + "'");
      return w == "True";
    }
    case Encoding::Byte: return static_cast<std::uint8_t>(in.integer(0, 255));
    case Encoding::Integer: return static_cast<std::int16_t>(in.integer(-32768, 32767));
    case Encoding::Long:
      return static_cast<std::int32_t>(in.integer(std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
    case Encoding::Colour: return parse_colour(in);
    case Encoding::Position: {
      auto n = four<std::int16_t>(in);
      return Position{n[0], n[1], n[2], n[3]};
    }
    case Encoding::ClientRect: {
      auto n = four<std::int32_t>(in);
      return ClientRect{n[0], n[1], n[2], n[3]};
    }
    case Encoding::Raw4: {
      std::array<std::uint8_t, 4> b{};
      for (auto& x : b) x = in.hex_byte();
      return b;
    }
    case Encoding::Font: return parse_font(in);
    case Encoding::Picture: return picture(in.quoted());
  }
  throw std::logic_error("encoding without a text form");
}

std::string quote(std::u16string_view text) {
  std::string out = "\"";
  for (char c : rt::to_utf8(text)) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string hex(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string print_colour(Colour c) {
  if (c.is_system() && c.raw == Colour::system(c.system_index()).raw) {
    return "system(" + std::to_string(c.system_index()) + ")";
  }
  if ((c.raw & 0xFF000000u) == 0) {
    return "rgb(" + std::to_string(c.red()) + ", " + std::to_string(c.green()) + ", " + std::to_string(c.blue()) + ")";
  }
  return hex("0x%08X", c.raw);
}

std::string print_font(const Font& f) {
  std::string out = quote(f.face) + " size " + std::to_string(f.size_e4) + " weight " + std::to_string(f.weight) +
                    " charset " + std::to_string(f.charset);
  if (f.style != 0) out += " style " + std::to_string(f.style);
  if (f.version != 1) out += " version " + std::to_string(f.version);
  return out;
}

template <typename T>
std::string join4(T a, T b, T c, T d) {
  return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d);
}

}  // namespace

Value parse_value(std::string_view text, Encoding encoding, const PictureResolver& picture) {
  Cursor in(text);
  Value value = parse_in(in, encoding, picture);
  in.expect_end();
  return value;
}

std::string print_value(const Value& value, const PictureNamer& name_of) {
  return std::visit(
      [&](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::u16string>) return quote(v);
        else if constexpr (std::is_same_v<T, bool>) return v ? "True" : "False";
        else if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::int16_t> ||
                           std::is_same_v<T, std::int32_t>)
          return std::to_string(v);
        else if constexpr (std::is_same_v<T, Colour>) return print_colour(v);
        else if constexpr (std::is_same_v<T, Position>) return join4(v.left, v.top, v.width, v.height);
        else if constexpr (std::is_same_v<T, ClientRect>) return join4(v.left, v.top, v.width, v.height);
        else if constexpr (std::is_same_v<T, std::array<std::uint8_t, 4>>)
          return hex("%02X", v[0]) + " " + hex("%02X", v[1]) + " " + hex("%02X", v[2]) + " " + hex("%02X", v[3]);
        else if constexpr (std::is_same_v<T, Font>) return print_font(v);
        else return quote(rt::from_utf8(name_of(v.file)));
      },
      value);
}

Guid parse_guid(std::string_view text) {
  constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  std::size_t first = text.find_first_not_of(" \t");
  std::size_t last = text.find_last_not_of(" \t");
  std::string_view t = first == std::string_view::npos ? "" : text.substr(first, last - first + 1);
  std::string digits;
  for (std::size_t i = 0; i < kShape.size() && t.size() == kShape.size(); ++i) {
    if (kShape[i] == 'X' ? hex_digit(t[i]) < 0 : t[i] != kShape[i]) break;
    if (kShape[i] == 'X') digits += t[i];
  }
  if (digits.size() != 32) wrong("expected an id " + std::string(kShape) + ", found '" + std::string(t) + "'");
  auto byte = [&](int i) {
    return static_cast<std::uint8_t>(hex_digit(digits[2 * i]) * 16 + hex_digit(digits[2 * i + 1]));
  };
  // The first three fields are stored little-endian, the last eight bytes in order.
  return Guid{byte(3), byte(2), byte(1), byte(0), byte(5), byte(4), byte(7), byte(6),
              byte(8), byte(9), byte(10), byte(11), byte(12), byte(13), byte(14), byte(15)};
}

std::string print_guid(const Guid& g) {
  std::string out = "{";
  constexpr int kOrder[] = {3, 2, 1, 0, -1, 5, 4, -1, 7, 6, -1, 8, 9, -1, 10, 11, 12, 13, 14, 15};
  for (int i : kOrder) out += i < 0 ? std::string("-") : hex("%02X", g[static_cast<std::size_t>(i)]);
  return out + "}";
}

}  // namespace designer
