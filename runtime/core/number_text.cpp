#include "runtime/core/number_text.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/core/cp932.h"
#include "runtime/core/error.h"
#include "runtime/core/message_text.h"

namespace rt {
namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

[[noreturn]] void not_a_number(std::u16string_view text) {
  raise(ErrorNumber::TypeMismatch, quoted_for_message(text) + "は数値ではありません");
}

// Checks the number grammar and returns it as ASCII in C syntax.
std::string number_syntax(std::u16string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  std::string ascii;
  size_t i = 0;
  const auto take_digits = [&] {
    const size_t first = i;
    while (i < text.size() && is_digit(text[i])) ascii += static_cast<char>(text[i++]);
    return i - first;
  };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
  size_t digits = take_digits();
  if (i < text.size() && text[i] == u'.') {
    ascii += '.';
    ++i;
    digits += take_digits();
  }
  if (digits == 0) not_a_number(text);
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
    if (take_digits() == 0) not_a_number(text);
  }
  if (i != text.size()) not_a_number(text);
  return ascii;
}

// strtod in the C locale, whatever locale the window toolkit has set.
locale_t c_numeric_locale() {
  static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  return locale;
}

}  // namespace

double text_to_r8(std::u16string_view text) {
  const std::string ascii = number_syntax(text);
  errno = 0;
  const double value = strtod_l(ascii.c_str(), nullptr, c_numeric_locale());
  if (errno == ERANGE && std::isinf(value)) raise(ErrorNumber::Overflow, "「" + ascii + "」は大きすぎます");
  return value;
}

std::int32_t text_to_i4(std::u16string_view text) {
  const double rounded = std::nearbyint(text_to_r8(text));
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
    raise(ErrorNumber::Overflow, quoted_for_message(text) + "は 32 ビットの整数に収まりません");
  }
  return static_cast<std::int32_t>(rounded);
}

std::u16string text_from_i4(std::int32_t value) { return from_utf8(std::to_string(value)); }

std::u16string format_number(double value, std::u16string_view pattern) {
  if (pattern.empty() || pattern.find_first_not_of(u'0') != std::u16string_view::npos) {
    raise(ErrorNumber::InvalidProcedureCall, quoted_for_message(pattern) + "は扱えない数値の書式です");
  }
  if (!std::isfinite(value)) raise(ErrorNumber::InvalidProcedureCall, "数値が有限ではありません");
  const double whole = std::round(value);
  char buffer[320];  // the largest double has 309 digits
  std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(whole));
  std::string digits = buffer;
  if (digits.size() < pattern.size()) digits.insert(0, pattern.size() - digits.size(), '0');
  return from_utf8((whole < 0 ? "-" : "") + digits);
}

}  // namespace rt
