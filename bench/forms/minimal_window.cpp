// The yardstick of the page's start: the least a Qt program of the page's
// size does to show Japanese text, built on its own so that it loads only
// Qt's libraries. A window of the page's client size with one label in the
// page's Japanese font.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  QLabel label(QString::fromUtf8("こんにちは。"), &window);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(16);
  label.setFont(font);
  label.move(20, 20);
  window.resize(1024, 740);
  window.show();
  return QApplication::exec();
}
