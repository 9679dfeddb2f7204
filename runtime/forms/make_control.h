#pragma once
// The control of a stored record, made by its control type.

#include <QFont>
#include <memory>

#include "runtime/definition/model.h"
#include "runtime/forms/control.h"

namespace rt::forms {

class ClientArea;
class PictureCache;

// What a control is made with besides its record.
struct ControlParts {
  ClientArea& area;
  PictureCache& pictures;
  const QFont& form_font;  // shown by a control that stores no font
};

// Raises InvalidPropertyValue for a type that cannot stand on a form.
std::unique_ptr<Control> make_control(const definition::Record& record, const ControlParts& parts);

}  // namespace rt::forms
