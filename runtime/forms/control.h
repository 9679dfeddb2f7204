#pragma once
// A control of a form, reached by its name: its properties are read and
// written by name, its methods called by name, and each kind of control
// connects the events it has. Every failure raises the run-time error the
// forms runtime would raise (unknown name or event 438, a value the property
// refuses 380, a value of the wrong kind 13).

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/definition/model.h"
#include "runtime/forms/event.h"
#include "runtime/forms/variant.h"

class QWidget;

namespace rt::forms {

class Dispatcher;

class Control {
 public:
  Control(std::string name, definition::ControlType type) : name_(std::move(name)), type_(type) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  definition::ControlType type() const { return type_; }

  Variant get(std::string_view property) const { return get_property(property); }
  // A write that ran a handler which ended the program stops its caller too.
  void set(std::string_view property, const Variant& value);
  Variant call(std::string_view method, std::span<const Variant> arguments = {});

  // Runs the handler, through the form's dispatcher, each time the event
  // happens; raises 438 for an event the control does not have.
  void on(Event event, std::function<void()> handler);

  // Done by the form for every control and menu entry it makes; the
  // window's own properties, which run no handler, go without.
  void attach(Dispatcher& dispatcher) { dispatcher_ = &dispatcher; }

  // The widget of a control with a window of its own; none for the others.
  virtual QWidget* own_window() const { return nullptr; }

  [[noreturn]] void unknown_member(std::string_view member) const;

 protected:
  virtual Variant get_property(std::string_view property) const = 0;
  virtual void set_property(std::string_view property, const Variant& value) = 0;
  virtual Variant call_method(std::string_view method, std::span<const Variant> arguments);
  // Connects one of the control's own events; the base has none.
  virtual void connect(Event event, std::function<void()> handler);
  [[noreturn]] void no_such_event() const;

 private:
  std::string name_;
  definition::ControlType type_;
  Dispatcher* dispatcher_ = nullptr;
};

// A property table row: the name, its reader, and its writer (none: read only).
template <class T>
struct PropertyRow {
  std::string_view name;
  Variant (T::*get)() const;
  void (T::*set)(const Variant&) = nullptr;
};

// Finds the row of that name in the first table that has it.
template <class T, class... Tables>
const PropertyRow<T>* find_row(std::string_view property, const Tables&... tables) {
  const PropertyRow<T>* found = nullptr;
  auto search = [&](const auto& table) {
    for (const auto& row : table) {
      if (found == nullptr && row.name == property) found = &row;
    }
  };
  (search(tables), ...);
  return found;
}

template <class T, class... Tables>
Variant get_by_name(const T& self, std::string_view property, const Tables&... tables) {
  const PropertyRow<T>* row = find_row<T>(property, tables...);
  if (row == nullptr) self.unknown_member(property);
  return (self.*row->get)();
}

template <class T, class... Tables>
void set_by_name(T& self, std::string_view property, const Variant& value, const Tables&... tables) {
  const PropertyRow<T>* row = find_row<T>(property, tables...);
  if (row == nullptr || row->set == nullptr) self.unknown_member(property);
  (self.*row->set)(value);
}

// Reads and writes the properties of Derived by name: through its own table
// `kRows`, then, for a placed control, through the placement rows.
template <class Derived, class Base>
class PropertiesByName : public Base {
 public:
  using Base::Base;

 protected:
  Variant get_property(std::string_view property) const override {
    const auto& self = static_cast<const Derived&>(*this);
    if constexpr (kPlaced) {
      return get_by_name(self, property, Derived::kRows, placement_table());
    } else {
      return get_by_name(self, property, Derived::kRows);
    }
  }
  void set_property(std::string_view property, const Variant& value) override {
    auto& self = static_cast<Derived&>(*this);
    if constexpr (kPlaced) {
      set_by_name(self, property, value, Derived::kRows, placement_table());
    } else {
      set_by_name(self, property, value, Derived::kRows);
    }
  }

 private:
  static constexpr bool kPlaced = requires { Base::template placement_rows<Derived>(); };

  // The placement rows of Derived, made once.
  static const auto& placement_table() {
    static const auto rows = Base::template placement_rows<Derived>();
    return rows;
  }
};

}  // namespace rt::forms
