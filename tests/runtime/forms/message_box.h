#pragma once
// Runs an action that may show a modal message box, answers the box and
// returns its text (empty when none appeared).

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace forms_test {

inline QString answer_message_box(const std::function<void()>& action) {
  QString text;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->accept();
    }
  });
  poll.start(0);
  action();
  poll.stop();
  return text;
}

}  // namespace forms_test
