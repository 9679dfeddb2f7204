#include "runtime/core/text.h"

#include "runtime/core/error.h"

namespace rt {
namespace {

void require(bool valid, const char* what) {
  if (!valid) raise(ErrorNumber::InvalidProcedureCall, what);
}

}  // namespace

std::u16string mid(std::u16string_view text, std::int32_t start) {
  require(start >= 1, "開始位置が 1 より前です");
  const auto from = static_cast<size_t>(start) - 1;
  return from < text.size() ? std::u16string(text.substr(from)) : std::u16string();
}

std::u16string mid(std::u16string_view text, std::int32_t start, std::int32_t count) {
  require(count >= 0, "長さが負の数です");
  return mid(text, start).substr(0, static_cast<size_t>(count));
}

std::u16string left(std::u16string_view text, std::int32_t count) {
  require(count >= 0, "長さが負の数です");
  return std::u16string(text.substr(0, static_cast<size_t>(count)));
}

std::u16string right(std::u16string_view text, std::int32_t count) {
  require(count >= 0, "長さが負の数です");
  const auto kept = std::min(text.size(), static_cast<size_t>(count));
  return std::u16string(text.substr(text.size() - kept));
}

std::u16string repeat_char(std::int32_t count, char16_t character) {
  require(count >= 0, "個数が負の数です");
  return std::u16string(static_cast<size_t>(count), character);
}

int compare_text(std::u16string_view a, std::u16string_view b) {
  const int order = a.compare(b);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace rt
