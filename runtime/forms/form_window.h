#pragma once
// The top-level window of a form: a menu bar over the client area. A close
// request asks the form first.

#include <QCloseEvent>
#include <QMainWindow>
#include <functional>

namespace rt::forms {

class FormWindow final : public QMainWindow {
 public:
  // Returns whether the window may close.
  void on_close(std::function<bool()> handler) { on_close_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (!on_close_ || on_close_()) {
      event->accept();
    } else {
      event->ignore();
    }
  }

 private:
  std::function<bool()> on_close_;
};

}  // namespace rt::forms
