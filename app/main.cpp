// The program C01_001: the lesson page, from the window definition stored in
// the program.

#include <QApplication>
#include <memory>

#include "app/display_failure.h"
#include "app/run_page.h"
#include "page/stored_definition.h"
#include "runtime/forms/deferred_icon_style.h"
#include "runtime/forms/style.h"
#include "runtime/system/platform.h"

namespace {

// The application object, made while a missing display is reported as one line.
std::unique_ptr<QApplication> start_qt(int& argc, char** argv) {
  const app::DisplayFailureReport report;
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<QApplication> application = start_qt(argc, argv);
  QCoreApplication::setApplicationName(QString::fromStdU16String(rt::platform().title()));
  // Menus, tooltips and message boxes in the platform's Japanese interface font.
  QApplication::setFont(rt::forms::interface_font());
  QApplication::setStyle(new rt::forms::DeferredIconStyle);
  return app::run_page(page::stored_definition());
}
