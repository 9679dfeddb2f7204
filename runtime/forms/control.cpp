#include "runtime/forms/control.h"

#include "runtime/core/error.h"

namespace rt::forms {

void Control::set(std::string_view property, const Variant& value) {
  set_property(property, value);
  if (after_write_) after_write_();
}

Variant Control::call(std::string_view method, std::span<const Variant> arguments) {
  return call_method(method, arguments);
}

Variant Control::call_method(std::string_view method, std::span<const Variant>) { unknown_member(method); }

void Control::unknown_member(std::string_view member) const {
  raise(ErrorNumber::PropertyNotFound, name_ + "." + std::string(member));
}

}  // namespace rt::forms
