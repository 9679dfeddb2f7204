#pragma once
// The window's own run-time properties, by name like any control's: Caption,
// hWnd (read only), and Left, Top, Width and Height of its outer frame on the
// screen, in twips.

#include <array>

#include "runtime/definition/model.h"
#include "runtime/forms/control.h"
#include "runtime/forms/window_placement.h"

namespace rt::forms {

class FormWindow;

class WindowProperties final : public PropertiesByName<WindowProperties, Control> {
 public:
  // Made once the window's flags are set: it watches the native window.
  WindowProperties(const definition::Record& record, FormWindow& window, bool fixed);

  Variant Caption() const;
  void set_Caption(const Variant& value);
  Variant hWnd() const;
  Variant Left() const;
  Variant Top() const;
  Variant Width() const;
  Variant Height() const;
  void set_Left(const Variant& value);
  void set_Top(const Variant& value);
  void set_Width(const Variant& value);
  void set_Height(const Variant& value);

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<WindowProperties>, 6> kRows;

  template <class Change>
  void place(Change change);

  FormWindow& window_;
  WindowPlacement placement_;
};

}  // namespace rt::forms
