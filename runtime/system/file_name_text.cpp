#include "runtime/system/file_name_text.h"

#include <cstdint>

#include "runtime/core/error.h"

namespace rt {
namespace {

constexpr char16_t kEscape = 0xDC00;

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the valid UTF-8 sequence at `at` and its length, or 0
// for a byte that starts none (overlong forms and encoded surrogates too).
std::size_t utf8_sequence(std::string_view bytes, std::size_t at, char32_t& code) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  std::size_t length = 0;
  char32_t lowest = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[at + i]);
    if (!is_continuation(next)) return 0;
    code = code << 6 | (next & 0x3F);
  }
  if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void append_utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool is_escape(char16_t unit) { return unit == kEscape + u'\\' || (unit >= kEscape + 0x80 && unit <= kEscape + 0xFF); }

}  // namespace

std::u16string text_of_file_name(std::string_view name) {
  std::u16string text;
  for (std::size_t at = 0; at < name.size();) {
    char32_t code = 0;
    const std::size_t length = utf8_sequence(name, at, code);
    if (length == 0 || code == u'\\') {
      text += static_cast<char16_t>(kEscape + static_cast<unsigned char>(name[at]));
      ++at;
      continue;
    }
    if (code < 0x10000) {
      text += static_cast<char16_t>(code);
    } else {
      text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
    at += length;
  }
  return text;
}

std::string file_name_of_text(std::u16string_view text) {
  std::string name;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char16_t unit = text[at];
    if (unit == u'\\') {
      name += '/';
    } else if (is_escape(unit)) {
      name += static_cast<char>(unit - kEscape);
    } else if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
               text[at + 1] <= 0xDFFF) {
      append_utf8(name, 0x10000 + (static_cast<char32_t>(unit - 0xD800) << 10) + (text[at + 1] - 0xDC00));
      ++at;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      raise(ErrorNumber::FileNotFound, "パスが文字として正しくありません");
    } else {
      append_utf8(name, unit);
    }
  }
  return name;
}

}  // namespace rt
