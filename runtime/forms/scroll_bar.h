#pragma once
// The scroll bar's widget, keyed as on the original platform: Up and Left
// lower the value by the small step, Down and Right raise it; Page Up and
// Page Down, Home and End as Qt has them. With the focus, its thumb shows a
// dotted focus rectangle.

#include <QScrollBar>

namespace rt::forms {

class ScrollBar final : public QScrollBar {
 public:
  explicit ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rt::forms
