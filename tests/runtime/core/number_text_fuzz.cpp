// Texts read as numbers come from outside (window titles, window texts):
// whatever they hold, reading ends in a number or a run-time error.

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/core/error.h"
#include "runtime/core/number_text.h"
#include "runtime/core/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  if (size % 2 == 1) text += static_cast<char16_t>(data[size - 1]);
  try {
    const double value = rt::text_to_r8(text);
    rt::format_number(value, rt::repeat_char(static_cast<std::int32_t>(size % 5) + 1, u'0'));
  } catch (const rt::RuntimeError&) {
  }
  try {
    rt::text_from_i4(rt::text_to_i4(rt::mid(text, 1 + static_cast<std::int32_t>(size % 3))));
  } catch (const rt::RuntimeError&) {
  }
  return 0;
}
