#include "runtime/forms/window_properties.h"

#include <QString>

#include "runtime/forms/form_window.h"
#include "runtime/forms/placed.h"
#include "runtime/forms/style.h"

namespace rt::forms {
namespace {

float twips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

}  // namespace

WindowProperties::WindowProperties(const definition::Record& record, FormWindow& window, bool fixed)
    : PropertiesByName(record.name, record.type), window_(window), placement_(window, fixed) {}

template <class Change>
void WindowProperties::place(Change change) {
  QRect outer = placement_.outer();
  change(outer);
  placement_.set_outer(outer);
}

Variant WindowProperties::Caption() const { return window_.windowTitle().toStdU16String(); }
void WindowProperties::set_Caption(const Variant& value) {
  window_.setWindowTitle(QString::fromStdU16String(value.to_text()));
}
Variant WindowProperties::hWnd() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(window_.winId())); }
Variant WindowProperties::Left() const { return twips(placement_.outer().x()); }
Variant WindowProperties::Top() const { return twips(placement_.outer().y()); }
Variant WindowProperties::Width() const { return twips(placement_.outer().width()); }
Variant WindowProperties::Height() const { return twips(placement_.outer().height()); }
void WindowProperties::set_Left(const Variant& value) {
  place([&](QRect& r) { r.moveLeft(to_pixels(twips_coordinate(value))); });
}
void WindowProperties::set_Top(const Variant& value) {
  place([&](QRect& r) { r.moveTop(to_pixels(twips_coordinate(value))); });
}
void WindowProperties::set_Width(const Variant& value) {
  place([&](QRect& r) { r.setWidth(to_pixels(twips_length(value))); });
}
void WindowProperties::set_Height(const Variant& value) {
  place([&](QRect& r) { r.setHeight(to_pixels(twips_length(value))); });
}

const std::array<PropertyRow<WindowProperties>, 6> WindowProperties::kRows{{
    {"Caption", &WindowProperties::Caption, &WindowProperties::set_Caption},
    {"hWnd", &WindowProperties::hWnd},
    {"Left", &WindowProperties::Left, &WindowProperties::set_Left},
    {"Top", &WindowProperties::Top, &WindowProperties::set_Top},
    {"Width", &WindowProperties::Width, &WindowProperties::set_Width},
    {"Height", &WindowProperties::Height, &WindowProperties::set_Height},
}};

}  // namespace rt::forms
