#pragma once
// The value of a property read or written at run time: empty, a truth value,
// a 16- or 32-bit integer, a single-precision number or a text. Conversions
// follow the forms runtime: numbers convert among themselves within range,
// anything else is a type mismatch.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace rt::forms {

class Variant {
 public:
  using Storage = std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, std::u16string>;

  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(std::int16_t value) : value_(value) {}
  Variant(std::int32_t value) : value_(value) {}
  Variant(float value) : value_(value) {}
  Variant(std::u16string value) : value_(std::move(value)) {}
  Variant(const char16_t* value) : value_(std::u16string(value)) {}
  Variant(std::u16string_view value) : value_(std::u16string(value)) {}

  const Storage& storage() const { return value_; }
  bool is_empty() const { return std::holds_alternative<std::monostate>(value_); }

  // Each raises TypeMismatch for a value of another kind, Overflow for a
  // number outside the target's range.
  bool to_bool() const;
  std::int16_t to_int16() const;
  std::int32_t to_int32() const;
  float to_float() const;
  std::u16string to_text() const;  // integers give their decimal digits

  bool operator==(const Variant&) const = default;

 private:
  Storage value_;
};

}  // namespace rt::forms
