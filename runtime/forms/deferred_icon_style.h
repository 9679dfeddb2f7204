#pragma once
// The application's style, except that the icons of toolbar and menu bar
// extension buttons are read from their image files when first drawn. Every
// menu bar asks for one when it is made, and reading it loads Qt's image
// format plugins; the button shows only when the bar is too narrow for its
// menus.

#include <QProxyStyle>

namespace rt::forms {

class DeferredIconStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace rt::forms
