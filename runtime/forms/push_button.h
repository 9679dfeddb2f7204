#pragma once
// The command button's widget. Enter and the keypad's Enter press the
// focused button, as Space does. A graphical button shows its picture in
// its face: centred there, cut to it, the border left whole around it.

#include <QImage>
#include <QPushButton>

namespace rt::forms {

class PushButton final : public QPushButton {
 public:
  explicit PushButton(QWidget* parent) : QPushButton(parent) {}

  void set_picture(const QImage& picture);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace rt::forms
