#pragma once
// Controls with a window of their own, shown as Qt widgets in front of the
// windowless ones: the command button, the combo box and the scroll bar.

#include <QComboBox>
#include <QScrollBar>
#include <functional>

#include "runtime/definition/model.h"
#include "runtime/forms/control.h"
#include "runtime/forms/placed.h"

namespace rt::forms {

class ClientArea;
class PictureCache;
class PushButton;

// The part every windowed control shares: its widget takes the focus, starts
// at the stored position and follows its placement.
class WidgetControl : public Placed<Control> {
 public:
  WidgetControl(const definition::Record& record, QWidget& widget);
  QWidget& widget() const { return widget_; }
  QWidget* own_window() const override { return &widget_; }

 protected:
  void placed() override;

 private:
  QWidget& widget_;
};

class ButtonControl final : public PropertiesByName<ButtonControl, WidgetControl> {
 public:
  ButtonControl(const definition::Record& record, ClientArea& area, PictureCache& pictures);

  Variant ToolTipText() const;
  void set_ToolTipText(const Variant& value);

 protected:
  void connect(Event event, std::function<void()> handler) override;

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<ButtonControl>, 1> kRows;
  PushButton* button_;
};

class ComboControl final : public PropertiesByName<ComboControl, WidgetControl> {
 public:
  ComboControl(const definition::Record& record, ClientArea& area, const QFont& form_font);

  Variant ListIndex() const;
  void set_ListIndex(const Variant& value);
  Variant ListCount() const;
  Variant ToolTipText() const;
  void set_ToolTipText(const Variant& value);

 protected:
  // AddItem(text [, index]) and List(index).
  Variant call_method(std::string_view method, std::span<const Variant> arguments) override;
  // Click: a choice of an entry by the learner (not a write of ListIndex).
  void connect(Event event, std::function<void()> handler) override;

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<ComboControl>, 3> kRows;
  QComboBox* combo_;
};

class ScrollControl final : public PropertiesByName<ScrollControl, WidgetControl> {
 public:
  ScrollControl(const definition::Record& record, ClientArea& area);

  Variant Value() const;
  void set_Value(const Variant& value);
  Variant Min() const;
  void set_Min(const Variant& value);
  Variant Max() const;
  void set_Max(const Variant& value);
  Variant SmallChange() const;
  void set_SmallChange(const Variant& value);
  Variant LargeChange() const;
  void set_LargeChange(const Variant& value);

 protected:
  // Change: any change of the value, by the learner or by a write.
  void connect(Event event, std::function<void()> handler) override;

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<ScrollControl>, 5> kRows;
  QScrollBar* bar_;
};

}  // namespace rt::forms
