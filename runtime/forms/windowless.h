#pragma once
// Controls without a window of their own (labels, images, lines): each
// stands in the client area from its making, behind those made before it;
// the area draws them back to front and hit-tests them front to back.

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "runtime/definition/model.h"
#include "runtime/forms/control.h"
#include "runtime/forms/placed.h"

namespace rt::forms {

class ClientArea;
class PictureCache;

class Windowless : public Control {
 public:
  Windowless(const definition::Record& record, ClientArea& area);
  ~Windowless() override;

  virtual void paint(QPainter& painter) const = 0;
  virtual QRect bounds() const = 0;  // the pixels that paint() may touch
  virtual bool shown() const = 0;
  // Whether the control takes the mouse where it lies (lines never do).
  virtual bool takes_mouse() const { return false; }
  virtual QString tooltip() const { return {}; }
  virtual const QCursor* cursor() const { return nullptr; }
  virtual void click() {}

 protected:
  // Repaints what the control covered before and what it covers now.
  void repaint();

 private:
  ClientArea& area_;
  std::optional<QRect> painted_;
};

class LabelControl final : public PropertiesByName<LabelControl, Placed<Windowless>> {
 public:
  LabelControl(const definition::Record& record, ClientArea& area, const QFont& form_font);

  void paint(QPainter& painter) const override;
  QRect bounds() const override { return pixel_rect(); }
  bool shown() const override { return visible(); }
  bool takes_mouse() const override { return true; }

  Variant Caption() const { return caption_; }
  void set_Caption(const Variant& value);

 protected:
  void placed() override { repaint(); }

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<LabelControl>, 1> kRows;
  void fit_to_caption();
  QString display_text() const;

  std::u16string caption_;
  QColor back_colour_;
  QColor fore_colour_;
  QFont font_;
  bool opaque_ = true;
  bool border_ = false;
  int alignment_ = Qt::AlignLeft;
  bool auto_size_ = false;
};

class ImageControl final : public PropertiesByName<ImageControl, Placed<Windowless>> {
 public:
  // A hidden image's picture is decoded when it is first shown; the stored
  // picture must outlive the control.
  ImageControl(const definition::Record& record, ClientArea& area, PictureCache& pictures);

  void paint(QPainter& painter) const override;
  QRect bounds() const override { return pixel_rect(); }
  bool shown() const override { return visible(); }
  bool takes_mouse() const override { return true; }
  QString tooltip() const override { return QString::fromStdU16String(tooltip_); }
  const QCursor* cursor() const override;
  void click() override {
    if (on_click_) on_click_();
  }

  Variant ToolTipText() const { return tooltip_; }
  void set_ToolTipText(const Variant& value) { tooltip_ = value.to_text(); }
  void set_Visible(const Variant& value);

 protected:
  void placed() override { repaint(); }
  void connect(Event event, std::function<void()> handler) override;

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<ImageControl>, 1> kRows;
  void decode_picture();

  PictureCache& pictures_;
  const definition::Picture* stored_picture_ = nullptr;
  std::optional<QImage> picture_;
  std::u16string tooltip_;
  // The pointer's picture is decoded with the control, so that a bad one
  // fails the build; the cursor itself is made when the pointer first comes
  // over the image, which the first frame does not need.
  std::optional<QImage> pointer_icon_;
  mutable std::optional<QCursor> pointer_;
  std::function<void()> on_click_;
};

class LineControl final : public PropertiesByName<LineControl, Windowless> {
 public:
  LineControl(const definition::Record& record, ClientArea& area);

  void paint(QPainter& painter) const override;
  QRect bounds() const override;
  bool shown() const override { return visible_; }

  Variant X1() const { return x1_; }
  Variant Y1() const { return y1_; }
  Variant X2() const { return x2_; }
  Variant Y2() const { return y2_; }
  Variant Visible() const { return visible_; }
  void set_X1(const Variant& value) { x1_ = twips_coordinate(value); repaint(); }
  void set_Y1(const Variant& value) { y1_ = twips_coordinate(value); repaint(); }
  void set_X2(const Variant& value) { x2_ = twips_coordinate(value); repaint(); }
  void set_Y2(const Variant& value) { y2_ = twips_coordinate(value); repaint(); }
  void set_Visible(const Variant& value) { visible_ = value.to_bool(); repaint(); }

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<LineControl>, 5> kRows;

  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  bool visible_ = true;
};

}  // namespace rt::forms
