#pragma once
// Code page 932 (the Japanese ANSI code page) to and from UTF-16, through the
// system's iconv. Half-width katakana stay half-width; CR LF is kept.

#include <stdexcept>
#include <string>
#include <string_view>

namespace rt {

class EncodingError : public std::runtime_error {
 public:
  EncodingError(const std::string& message, size_t position)
      : std::runtime_error(message), position_(position) {}
  // Index of the first offending unit in the input (UTF-16 units or bytes).
  size_t position() const noexcept { return position_; }

 private:
  size_t position_;
};

// Throws EncodingError for a character code page 932 cannot hold: never a '?'.
std::string to_cp932(std::u16string_view text);
// Throws EncodingError for bytes that are not valid code page 932.
std::u16string from_cp932(std::string_view bytes);

// UTF-8 <-> UTF-16 for file names, messages and the designer's text files.
std::string to_utf8(std::u16string_view text);
std::u16string from_utf8(std::string_view text);

}  // namespace rt
