#include "runtime/forms/error_box.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStringList>

namespace rt::forms {
namespace {

class ErrorBox final : public QMessageBox {
 public:
  ErrorBox(QWidget& parent, const QString& title, const QString& text)
      : QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, &parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      QGuiApplication::clipboard()->setText(clipboard_text());
      return;
    }
    QMessageBox::keyPressEvent(event);
  }

 private:
  // Laid out as the platform lays it out: title, text and buttons between rules.
  QString clipboard_text() const {
    const QString rule = QStringLiteral("---------------------------\n");
    QStringList buttons;
    for (const QAbstractButton* button : this->buttons()) buttons << button->text().remove(QLatin1Char('&'));
    return rule + windowTitle() + u'\n' + rule + text() + u'\n' + rule + buttons.join(QStringLiteral("   ")) +
           u'\n' + rule;
  }
};

}  // namespace

void show_error_box(QWidget& parent, const QString& title, const QString& text) {
  ErrorBox box(parent, title, text);
  box.exec();
}

}  // namespace rt::forms
