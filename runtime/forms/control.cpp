#include "runtime/forms/control.h"

#include "runtime/core/error.h"
#include "runtime/forms/dispatcher.h"
#include "runtime/system/platform.h"

namespace rt::forms {

void Control::set(std::string_view property, const Variant& value) {
  set_property(property, value);
  if (dispatcher_ != nullptr && dispatcher_->ended()) throw ProgramEnded{};
}

Variant Control::call(std::string_view method, std::span<const Variant> arguments) {
  return call_method(method, arguments);
}

void Control::on(Event event, std::function<void()> handler) {
  connect(event, [dispatcher = dispatcher_, handler = std::move(handler)] { dispatcher->run(handler); });
}

Variant Control::call_method(std::string_view method, std::span<const Variant>) { unknown_member(method); }

void Control::connect(Event, std::function<void()>) { no_such_event(); }

void Control::unknown_member(std::string_view member) const {
  raise(ErrorNumber::PropertyNotFound, name_ + "." + std::string(member));
}

void Control::no_such_event() const {
  raise(ErrorNumber::PropertyNotFound, name_ + " にそのイベントはありません");
}

}  // namespace rt::forms
