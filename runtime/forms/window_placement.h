#pragma once
// The window's place and size as the program reads and writes them: its
// outer frame on the screen, the window manager's frame included; the client
// area gets what the frame leaves. A place set before the frame is known is
// set again, once, when the manager reports it.

#include <QObject>
#include <QRect>
#include <optional>

#include "runtime/forms/window_frame.h"

class QEvent;
class QWidget;

namespace rt::forms {

class WindowPlacement final : public QObject {
 public:
  // A fixed window cannot be resized by the learner.
  WindowPlacement(QWidget& window, bool fixed);

  QRect outer() const;  // pixels
  void set_outer(const QRect& outer);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void apply();
  void settle_if_shown();

  QWidget& window_;
  bool fixed_;
  WindowFrame frame_;
  std::optional<QRect> wanted_;  // set, and not yet shown with its frame known
};

}  // namespace rt::forms
