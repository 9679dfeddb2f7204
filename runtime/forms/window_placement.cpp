#include "runtime/forms/window_placement.h"

#include <QEvent>
#include <QWidget>

namespace rt::forms {

WindowPlacement::WindowPlacement(QWidget& window, bool fixed) : window_(window), fixed_(fixed), frame_(window) {
  window_.installEventFilter(this);
  frame_.on_change([this] {
    if (!wanted_) return;
    apply();
    settle_if_shown();
  });
}

QRect WindowPlacement::outer() const {
  if (wanted_) return *wanted_;
  return window_.geometry().marginsAdded(frame_.extents());
}

void WindowPlacement::set_outer(const QRect& outer) {
  // Asked before the window is first shown, so that it maps in its place
  // and does not jump once framed.
  if (!window_.isVisible()) frame_.ask_before_mapping();
  wanted_ = outer;
  apply();
  settle_if_shown();
}

void WindowPlacement::apply() {
  const QRect client = wanted_->marginsRemoved(frame_.extents());
  const QSize size = client.size().expandedTo(QSize(0, 0));
  if (fixed_) window_.setFixedSize(size);
  window_.setGeometry(QRect(client.topLeft(), size));
}

void WindowPlacement::settle_if_shown() {
  if (window_.isVisible() && frame_.known()) wanted_.reset();
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Show) settle_if_shown();
  return false;
}

}  // namespace rt::forms
