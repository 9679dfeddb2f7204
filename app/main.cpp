// The program C01_001: reads the page's stored window definition, builds the
// window, runs its load handler and the event loop.

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "page/frmC01_001.h"
#include "page/stored_definition.h"
#include "runtime/core/error.h"
#include "runtime/definition/reader.h"
#include "runtime/forms/form.h"
#include "runtime/system/platform.h"

namespace {

int fail(const QString& message) {
  std::fprintf(stderr, "C01_001: %s\n", message.toLocal8Bit().constData());
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromStdU16String(rt::platform().title()));

  rt::definition::Definition definition;
  try {
    definition = rt::definition::read_definition(page::stored_definition());
  } catch (const std::exception& error) {
    return fail(QStringLiteral("The stored window definition cannot be read: %1").arg(QString::fromUtf8(error.what())));
  }
  try {
    rt::forms::Form form(definition);
    page::frmC01_001 window(form);
    form.load();
    form.show();
    return QApplication::exec();
  } catch (const rt::RuntimeError& error) {
    return fail(QStringLiteral("The window cannot be built: error %1: %2")
                    .arg(error.code())
                    .arg(QString::fromUtf8(error.what())));
  }
}
