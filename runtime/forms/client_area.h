#pragma once
// The window's client area: draws the form's picture and every windowless
// control back to front, and gives clicks, tooltips and pointers to the
// front-most windowless control under the mouse.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <vector>

namespace rt::forms {

class Windowless;

class ClientArea final : public QWidget {
 public:
  explicit ClientArea(QWidget* parent);

  void set_background(const QColor& colour, const QImage& picture);
  // In stream order: each one added lies behind those added before it.
  void add(Windowless& control) { controls_.push_back(&control); }
  void remove(const Windowless& control);
  // The front-most shown control that takes the mouse at that point.
  Windowless* hit(QPoint point) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void show_pointer_of(QPoint point);

  std::vector<Windowless*> controls_;  // front to back
  QColor colour_;
  QImage picture_;
  Windowless* pressed_ = nullptr;
};

}  // namespace rt::forms
