#include "runtime/forms/push_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace rt::forms {
namespace {

// The raised edge of a button: a light and a dark line on each side.
constexpr int kBorder = 2;

}  // namespace

void PushButton::set_picture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // A held key presses once, as Space does.
    if (!event->isAutoRepeat()) click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// Drawn in the style's order: the button, its picture, the focus sign.
void PushButton::paintEvent(QPaintEvent* event) {
  if (picture_.isNull()) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  // Centred on the face as the platform centres a button's picture: by half
  // the difference of the sizes, rounded toward zero.
  const QRect face = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
  QPoint at(face.x() + (face.width() - picture_.width()) / 2, face.y() + (face.height() - picture_.height()) / 2);
  if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
    at += QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                 style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  painter.save();
  painter.setClipRect(face);
  painter.drawImage(at, picture_);
  painter.restore();

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace rt::forms
