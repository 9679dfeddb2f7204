#include "runtime/forms/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace rt::forms {
namespace {

// Stands for the style's icon and asks the style for it on first use.
class DeferredIcon final : public QIconEngine {
 public:
  DeferredIcon(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
      // Only watched, never changed: QPointer has no form for a const widget.
      : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  // `size` is in device pixels here, and in logical ones for QIcon.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return icon().pixmap(size / scale, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  bool isNull() override { return icon().isNull(); }
  QIconEngine* clone() const override { return new DeferredIcon(*this); }

 private:
  QIcon& icon() {
    if (!loaded_) {
      icon_ = style_ != nullptr ? style_->standardIcon(which_, nullptr, widget_) : QIcon();
      loaded_ = true;
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<QWidget> widget_;
  bool loaded_ = false;
  QIcon icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  const bool extension =
      icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton;
  // An option is the caller's and lives only for this call.
  if (!extension || option != nullptr) return QProxyStyle::standardIcon(icon, option, widget);
  return QIcon(new DeferredIcon(baseStyle(), icon, widget));
}

}  // namespace rt::forms
