// Texts read as numbers come from outside (window titles, window texts):
// whatever they hold, reading ends in a number or a run-time error, and a
// number written by the runtime reads back as the same number.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/core/error.h"
#include "runtime/core/number_text.h"

namespace {

// One byte is one character, so that the mutator's digits, signs and blanks
// reach the grammar as they are. Bytes above ASCII become characters of the
// full-width block (U+FF00 to U+FF7F: full-width digits, signs and letters),
// which look like a number to a reader but are none to the runtime.
std::u16string text_of(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i)
    text += data[i] < 0x80 ? static_cast<char16_t>(data[i]) : static_cast<char16_t>(0xFF00 + (data[i] - 0x80));
  return text;
}

template <typename Read>
bool reads(Read read) {
  try {
    read();
    return true;
  } catch (const rt::RuntimeError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = text_of(data, size);

  double value = 0;
  if (reads([&] { value = rt::text_to_r8(text); }) && std::fabs(value) < 1e15) {
    // Whole numbers below 2^53 are exact in a double: the padded digits must
    // read back as the rounded value.
    const std::u16string digits = rt::format_number(value, u"000");
    if (rt::text_to_r8(digits) != std::round(value)) std::abort();
  }

  std::int32_t whole = 0;
  if (reads([&] { whole = rt::text_to_i4(text); }) && rt::text_to_i4(rt::text_from_i4(whole)) != whole) std::abort();

  // The text as a pattern: only runs of zeros are patterns.
  reads([&] { rt::format_number(static_cast<double>(size), text); });
  return 0;
}
