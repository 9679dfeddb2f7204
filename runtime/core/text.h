#pragma once
// The runtime's text operations on UTF-16 texts. Positions count from 1.
// A cut past the end yields fewer characters or an empty text; a start below
// 1 or a negative count raises InvalidProcedureCall (5).

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// Joins texts in order: join(u"..", u"\\pnn\\", name).
template <typename... Parts>
std::u16string join(const Parts&... parts) {
  std::u16string joined;
  (joined.append(std::u16string_view(parts)), ...);
  return joined;
}

// `count` characters from `start`; the whole rest when count is omitted.
std::u16string mid(std::u16string_view text, std::int32_t start);
std::u16string mid(std::u16string_view text, std::int32_t start, std::int32_t count);
std::u16string left(std::u16string_view text, std::int32_t count);
std::u16string right(std::u16string_view text, std::int32_t count);

// `count` copies of one character.
std::u16string repeat_char(std::int32_t count, char16_t character);

// Binary comparison, code unit by code unit: 0 when equal, -1 or 1 otherwise.
int compare_text(std::u16string_view a, std::u16string_view b);

}  // namespace rt
