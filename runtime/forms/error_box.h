#pragma once
// The box that shows a run-time error: its caption line and message, an OK
// button, the program's name as its title. As the original platform's
// message boxes, it copies its whole text to the clipboard on Ctrl+C, so
// that a learner can pass the message on.

#include <QString>

class QWidget;

namespace rt::forms {

// Shows the box over `parent` and returns once it is answered.
void show_error_box(QWidget& parent, const QString& title, const QString& text);

}  // namespace rt::forms
