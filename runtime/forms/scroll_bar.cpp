#include "runtime/forms/scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace rt::forms {

void ScrollBar::keyPressEvent(QKeyEvent* event) {
  // Qt's scroll bar takes Left for Down and Right for Up.
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
    return;
  }
  QScrollBar::keyPressEvent(event);
}

void ScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  painter.drawRect(thumb.adjusted(2, 2, -3, -3));
}

}  // namespace rt::forms
