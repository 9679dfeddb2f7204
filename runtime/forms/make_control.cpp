#include "runtime/forms/make_control.h"

#include <algorithm>
#include <array>

#include "runtime/core/error.h"
#include "runtime/forms/widgets.h"
#include "runtime/forms/windowless.h"

namespace rt::forms {
namespace {

using definition::ControlType;
using definition::Record;

using Make = std::unique_ptr<Control> (*)(const Record& record, const ControlParts& parts);

// A control made from its record and its place, and one that also takes the
// form's pictures or the window's font.
template <class T>
std::unique_ptr<Control> in_area(const Record& record, const ControlParts& parts) {
  return std::make_unique<T>(record, parts.area);
}
template <class T>
std::unique_ptr<Control> with_pictures(const Record& record, const ControlParts& parts) {
  return std::make_unique<T>(record, parts.area, parts.pictures);
}
template <class T>
std::unique_ptr<Control> with_font(const Record& record, const ControlParts& parts) {
  return std::make_unique<T>(record, parts.area, parts.form_font);
}

struct Kind {
  ControlType type;
  Make make;
};

constexpr std::array kKinds{
    Kind{ControlType::Label, with_font<LabelControl>},
    Kind{ControlType::Image, with_pictures<ImageControl>},
    Kind{ControlType::Line, in_area<LineControl>},
    Kind{ControlType::CommandButton, with_pictures<ButtonControl>},
    Kind{ControlType::ComboBox, with_font<ComboControl>},
    Kind{ControlType::VScrollBar, in_area<ScrollControl>},
};

}  // namespace

std::unique_ptr<Control> make_control(const Record& record, const ControlParts& parts) {
  const auto kind =
      std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& k) { return k.type == record.type; });
  if (kind == kKinds.end()) {
    raise(ErrorNumber::InvalidPropertyValue, record.name + " はフォームに置けない種類のコントロールです");
  }
  return kind->make(record, parts);
}

}  // namespace rt::forms
