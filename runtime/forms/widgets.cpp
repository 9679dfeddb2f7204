#include "runtime/forms/widgets.h"

#include "runtime/core/error.h"
#include "runtime/forms/client_area.h"
#include "runtime/forms/picture_cache.h"
#include "runtime/forms/push_button.h"
#include "runtime/forms/scroll_bar.h"
#include "runtime/forms/stored.h"
#include "runtime/forms/style.h"

namespace rt::forms {
namespace {

using definition::Position;

QString text_of(const Variant& value) { return QString::fromStdU16String(value.to_text()); }

Variant text_of(const QString& text) { return text.toStdU16String(); }

// Steps of a scroll bar lie between 1 and 32767.
int step(const Variant& value) {
  const std::int16_t number = value.to_int16();
  if (number < 1) raise(ErrorNumber::InvalidPropertyValue);
  return number;
}

}  // namespace

WidgetControl::WidgetControl(const definition::Record& record, QWidget& widget)
    : Placed(record.name, record.type), widget_(widget) {
  widget_.setFocusPolicy(Qt::StrongFocus);
  place(stored_or(record, "Position", Position{}));
  placed();
}

void WidgetControl::placed() {
  widget_.setGeometry(pixel_rect());
  widget_.setVisible(visible());
}

// Command button

ButtonControl::ButtonControl(const definition::Record& record, ClientArea& area, PictureCache& pictures)
    : PropertiesByName(record, *new PushButton(&area)), button_(static_cast<PushButton*>(&widget())) {
  button_->setToolTip(QString::fromStdU16String(stored_or<std::u16string>(record, "ToolTipText", {})));
  // A graphical button shows its picture and no caption.
  const auto* picture = stored<definition::Picture>(record, "Picture");
  if (stored_or<std::uint8_t>(record, "Style", 0) == 1 && picture != nullptr) {
    button_->set_picture(pictures.image(*picture, name()));
  }
}

void ButtonControl::connect(Event event, std::function<void()> handler) {
  if (event != Event::Click) no_such_event();
  QObject::connect(button_, &QPushButton::clicked, button_, [handler = std::move(handler)] { handler(); });
}

Variant ButtonControl::ToolTipText() const { return text_of(button_->toolTip()); }
void ButtonControl::set_ToolTipText(const Variant& value) { button_->setToolTip(text_of(value)); }

const std::array<PropertyRow<ButtonControl>, 1> ButtonControl::kRows{{
    {"ToolTipText", &ButtonControl::ToolTipText, &ButtonControl::set_ToolTipText},
}};

// Combo box

ComboControl::ComboControl(const definition::Record& record, ClientArea& area, const QFont& form_font)
    : PropertiesByName(record, *new QComboBox(&area)), combo_(static_cast<QComboBox*>(&widget())) {
  const auto* font = stored<definition::Font>(record, "Font");
  combo_->setFont(font != nullptr ? to_qfont(*font) : form_font);
}

void ComboControl::connect(Event event, std::function<void()> handler) {
  if (event != Event::Click) no_such_event();
  QObject::connect(combo_, &QComboBox::activated, combo_, [handler = std::move(handler)](int) { handler(); });
}

Variant ComboControl::ListIndex() const { return static_cast<std::int16_t>(combo_->currentIndex()); }

void ComboControl::set_ListIndex(const Variant& value) {
  const std::int16_t index = value.to_int16();
  if (index < -1 || index >= combo_->count()) raise(ErrorNumber::InvalidPropertyValue);
  combo_->setCurrentIndex(index);
}

Variant ComboControl::ListCount() const { return static_cast<std::int16_t>(combo_->count()); }

Variant ComboControl::ToolTipText() const { return text_of(combo_->toolTip()); }
void ComboControl::set_ToolTipText(const Variant& value) { combo_->setToolTip(text_of(value)); }

const std::array<PropertyRow<ComboControl>, 3> ComboControl::kRows{{
    {"ListIndex", &ComboControl::ListIndex, &ComboControl::set_ListIndex},
    {"ListCount", &ComboControl::ListCount},
    {"ToolTipText", &ComboControl::ToolTipText, &ComboControl::set_ToolTipText},
}};

Variant ComboControl::call_method(std::string_view method, std::span<const Variant> arguments) {
  if (method == "AddItem" && (arguments.size() == 1 || arguments.size() == 2)) {
    const QString item = text_of(arguments[0]);
    const int index = arguments.size() == 2 ? arguments[1].to_int16() : combo_->count();
    if (index < 0 || index > combo_->count()) raise(ErrorNumber::InvalidProcedureCall);
    combo_->insertItem(index, item);
    return {};
  }
  if (method == "List" && arguments.size() == 1) {
    const std::int16_t index = arguments[0].to_int16();
    if (index < 0 || index >= combo_->count()) raise(ErrorNumber::InvalidPropertyValue);
    return text_of(combo_->itemText(index));
  }
  unknown_member(method);
}

// Scroll bar

ScrollControl::ScrollControl(const definition::Record& record, ClientArea& area)
    : PropertiesByName(record, *new ScrollBar(&area)), bar_(static_cast<QScrollBar*>(&widget())) {
  // The forms runtime's defaults: 0 to 32767, steps of 1.
  bar_->setRange(stored_or<std::int16_t>(record, "Min", 0), stored_or<std::int16_t>(record, "Max", 32767));
  bar_->setSingleStep(stored_or<std::int16_t>(record, "SmallChange", 1));
  bar_->setPageStep(stored_or<std::int16_t>(record, "LargeChange", 1));
  bar_->setValue(stored_or<std::int16_t>(record, "Value", 0));
}

void ScrollControl::connect(Event event, std::function<void()> handler) {
  if (event != Event::Change) no_such_event();
  QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [handler = std::move(handler)](int) { handler(); });
}

Variant ScrollControl::Value() const { return static_cast<std::int16_t>(bar_->value()); }

void ScrollControl::set_Value(const Variant& value) {
  const std::int16_t number = value.to_int16();
  if (number < bar_->minimum() || number > bar_->maximum()) raise(ErrorNumber::InvalidPropertyValue);
  bar_->setValue(number);
}

Variant ScrollControl::Min() const { return static_cast<std::int16_t>(bar_->minimum()); }
void ScrollControl::set_Min(const Variant& value) { bar_->setMinimum(value.to_int16()); }
Variant ScrollControl::Max() const { return static_cast<std::int16_t>(bar_->maximum()); }
void ScrollControl::set_Max(const Variant& value) { bar_->setMaximum(value.to_int16()); }
Variant ScrollControl::SmallChange() const { return static_cast<std::int16_t>(bar_->singleStep()); }
void ScrollControl::set_SmallChange(const Variant& value) { bar_->setSingleStep(step(value)); }
Variant ScrollControl::LargeChange() const { return static_cast<std::int16_t>(bar_->pageStep()); }
void ScrollControl::set_LargeChange(const Variant& value) { bar_->setPageStep(step(value)); }

const std::array<PropertyRow<ScrollControl>, 5> ScrollControl::kRows{{
    {"Value", &ScrollControl::Value, &ScrollControl::set_Value},
    {"Min", &ScrollControl::Min, &ScrollControl::set_Min},
    {"Max", &ScrollControl::Max, &ScrollControl::set_Max},
    {"SmallChange", &ScrollControl::SmallChange, &ScrollControl::set_SmallChange},
    {"LargeChange", &ScrollControl::LargeChange, &ScrollControl::set_LargeChange},
}};

}  // namespace rt::forms
