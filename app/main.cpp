// The program C01_001: the lesson page, from the window definition stored in
// the program.

#include <QApplication>

#include "app/run_page.h"
#include "page/stored_definition.h"
#include "runtime/system/platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QString::fromStdU16String(rt::platform().title()));
  return app::run_page(page::stored_definition());
}
