#include "runtime/forms/menu.h"

namespace rt::forms {

MenuControl::MenuControl(const definition::Record& record, QAction& action)
    : PropertiesByName(record.name, record.type), action_(action) {}

void MenuControl::connect(Event event, std::function<void()> handler) {
  if (event != Event::Click) no_such_event();
  QObject::connect(&action_, &QAction::triggered, &action_, [handler = std::move(handler)] { handler(); });
}

// "&" marks the access key in Qt exactly as in the stored captions.
Variant MenuControl::Caption() const { return action_.text().toStdU16String(); }
void MenuControl::set_Caption(const Variant& value) { action_.setText(QString::fromStdU16String(value.to_text())); }
Variant MenuControl::Enabled() const { return action_.isEnabled(); }
void MenuControl::set_Enabled(const Variant& value) { action_.setEnabled(value.to_bool()); }

const std::array<PropertyRow<MenuControl>, 2> MenuControl::kRows{{
    {"Caption", &MenuControl::Caption, &MenuControl::set_Caption},
    {"Enabled", &MenuControl::Enabled, &MenuControl::set_Enabled},
}};


}  // namespace rt::forms
