#pragma once
// Typed access to a record's stored properties.

#include <string_view>
#include <variant>

#include "runtime/definition/model.h"

namespace rt::forms {

// The stored value of that property, or nullptr when the record stores none.
template <class T>
const T* stored(const definition::Record& record, std::string_view property) {
  const definition::Value* value = record.find(property);
  return value == nullptr ? nullptr : std::get_if<T>(value);
}

template <class T>
T stored_or(const definition::Record& record, std::string_view property, T fallback) {
  const T* value = stored<T>(record, property);
  return value == nullptr ? fallback : *value;
}

}  // namespace rt::forms
