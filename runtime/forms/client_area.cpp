#include "runtime/forms/client_area.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <vector>

#include "runtime/forms/windowless.h"

namespace rt::forms {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // the pointer follows the control under the mouse
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::set_background(const QColor& colour, const QImage& picture) {
  colour_ = colour;
  picture_ = picture;
  update();
}

void ClientArea::remove(const Windowless& control) {
  std::erase(controls_, &control);
  if (pressed_ == &control) pressed_ = nullptr;
}

Windowless* ClientArea::hit(QPoint point) const {
  for (Windowless* control : controls_) {
    if (control->shown() && control->takes_mouse() && control->bounds().contains(point)) return control;
  }
  return nullptr;
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.fillRect(rect(), colour_);
  painter.drawImage(QPoint(0, 0), picture_);
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    if ((*it)->shown() && (*it)->bounds().intersects(event->rect())) (*it)->paint(painter);
  }
}

// A click is a left press and release on the same control.
void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = hit(event->position().toPoint());
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Windowless* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed != nullptr && hit(event->position().toPoint()) == pressed) pressed->click();
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) { show_pointer_of(event->position().toPoint()); }

void ClientArea::show_pointer_of(QPoint point) {
  const Windowless* control = hit(point);
  if (control != nullptr && control->cursor() != nullptr) {
    setCursor(*control->cursor());
  } else {
    unsetCursor();
  }
}

bool ClientArea::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Windowless* control = hit(help->pos());
    if (control != nullptr && !control->tooltip().isEmpty()) {
      QToolTip::showText(help->globalPos(), control->tooltip(), this, control->bounds());
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace rt::forms
