#pragma once
// A menu entry of the form's menu tree: a menu head opening a submenu, a
// command, or a separator (caption "-").

#include <QAction>
#include <functional>

#include "runtime/forms/control.h"

namespace rt::forms {

class MenuControl final : public PropertiesByName<MenuControl, Control> {
 public:
  // The action that shows the entry: a submenu's own action for a head.
  MenuControl(const definition::Record& record, QAction& action);

  Variant Caption() const;
  void set_Caption(const Variant& value);
  Variant Enabled() const;
  void set_Enabled(const Variant& value);

 protected:
  void connect(Event event, std::function<void()> handler) override;

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<MenuControl>, 2> kRows;
  QAction& action_;
};

}  // namespace rt::forms
