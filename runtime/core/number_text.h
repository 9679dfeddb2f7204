#pragma once
// Numbers to text and back, with the runtime's rules.
//
// Reading: blanks (space, tab) around the number are allowed; the number is
// an optional sign, decimal digits with an optional point, and an optional
// exponent (E or D). Anything else, an empty text included, raises
// TypeMismatch (13); a value out of range raises Overflow (6). Hexadecimal
// and thousands separators are not read.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

double text_to_r8(std::u16string_view text);

// Rounds a fraction to the nearest integer, halves to the even one, as the
// runtime's integer conversions do: "2.5" -> 2, "3.5" -> 4, "-2.5" -> -2.
std::int32_t text_to_i4(std::u16string_view text);

// Signed decimal, no blanks: -5 -> "-5".
std::u16string text_from_i4(std::int32_t value);

// Writes the value rounded to a whole number (halves away from zero) with at
// least as many digits as the pattern has zeros; more digits are kept:
// (1, "000") -> "001", (1000, "000") -> "1000", (-1, "00") -> "-01".
// Only patterns of zeros are supported; others raise InvalidProcedureCall (5),
// as does a value that is not finite.
std::u16string format_number(double value, std::u16string_view pattern);

}  // namespace rt
