#pragma once
// Place, size and visibility of a control: Left, Top, Width and Height as
// single-precision twips, Visible as a truth value.

#include <array>
#include <cmath>

#include "runtime/core/error.h"
#include "runtime/definition/model.h"
#include "runtime/forms/control.h"
#include "runtime/forms/style.h"

namespace rt::forms {

// A place or length written at run time: a finite number of twips; a length
// is not negative.
inline float twips_coordinate(const Variant& value) {
  const float number = value.to_float();
  if (!std::isfinite(number)) raise(ErrorNumber::InvalidPropertyValue);
  return number;
}

inline float twips_length(const Variant& value) {
  const float number = twips_coordinate(value);
  if (number < 0) raise(ErrorNumber::InvalidPropertyValue);
  return number;
}

template <class Base>
class Placed : public Base {
 public:
  using Base::Base;

  Variant Left() const { return left_; }
  Variant Top() const { return top_; }
  Variant Width() const { return width_; }
  Variant Height() const { return height_; }
  Variant Visible() const { return visible_; }
  void set_Left(const Variant& value) { left_ = twips_coordinate(value); placed(); }
  void set_Top(const Variant& value) { top_ = twips_coordinate(value); placed(); }
  void set_Width(const Variant& value) { width_ = twips_length(value); placed(); }
  void set_Height(const Variant& value) { height_ = twips_length(value); placed(); }
  void set_Visible(const Variant& value) { visible_ = value.to_bool(); placed(); }

  bool visible() const { return visible_; }
  QRect pixel_rect() const { return to_pixels(left_, top_, width_, height_); }

  template <class T>
  static std::array<PropertyRow<T>, 5> placement_rows() {
    return {{{"Left", &T::Left, &T::set_Left},
             {"Top", &T::Top, &T::set_Top},
             {"Width", &T::Width, &T::set_Width},
             {"Height", &T::Height, &T::set_Height},
             {"Visible", &T::Visible, &T::set_Visible}}};
  }

 protected:
  void place(const definition::Position& stored) {
    left_ = stored.left;
    top_ = stored.top;
    width_ = stored.width;
    height_ = stored.height;
  }
  void set_size(float width, float height) {
    width_ = width;
    height_ = height;
  }
  // Geometry or visibility changed.
  virtual void placed() = 0;

 private:
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
};

}  // namespace rt::forms
