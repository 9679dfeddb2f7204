#include "runtime/forms/variant.h"

#include <cmath>
#include <limits>

#include "runtime/core/error.h"

namespace rt::forms {
namespace {

// Numbers as a double, so that range checks see the exact value.
bool as_number(const Variant::Storage& value, double& number) {
  if (const auto* i2 = std::get_if<std::int16_t>(&value)) number = *i2;
  else if (const auto* i4 = std::get_if<std::int32_t>(&value)) number = *i4;
  else if (const auto* r4 = std::get_if<float>(&value)) number = *r4;
  else return false;
  return true;
}

template <class Int>
Int to_integer(const Variant::Storage& value) {
  double number = 0;
  if (!as_number(value, number)) raise(ErrorNumber::TypeMismatch);
  // The forms runtime rounds half to even when a number becomes an integer.
  const double rounded = std::nearbyint(number);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max())) {
    raise(ErrorNumber::Overflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

bool Variant::to_bool() const {
  if (const auto* v = std::get_if<bool>(&value_)) return *v;
  double number = 0;
  if (!as_number(value_, number)) raise(ErrorNumber::TypeMismatch);
  return number != 0;
}

std::int16_t Variant::to_int16() const { return to_integer<std::int16_t>(value_); }

std::int32_t Variant::to_int32() const { return to_integer<std::int32_t>(value_); }

float Variant::to_float() const {
  double number = 0;
  if (!as_number(value_, number)) raise(ErrorNumber::TypeMismatch);
  return static_cast<float>(number);
}

std::u16string Variant::to_text() const {
  if (const auto* v = std::get_if<std::u16string>(&value_)) return *v;
  if (std::holds_alternative<std::int16_t>(value_) || std::holds_alternative<std::int32_t>(value_)) {
    const std::string digits = std::to_string(to_int32());
    return std::u16string(digits.begin(), digits.end());
  }
  raise(ErrorNumber::TypeMismatch);
}

}  // namespace rt::forms
