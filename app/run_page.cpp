#include "app/run_page.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "page/frmC01_001.h"
#include "runtime/core/error.h"
#include "runtime/definition/reader.h"
#include "runtime/forms/form.h"

namespace app {
namespace {

int fail(const QString& message) {
  std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
               message.toLocal8Bit().constData());
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
  return 1;
}

}  // namespace

int run_page(rt::definition::Bytes block) {
  rt::definition::Definition definition;
  try {
    definition = rt::definition::read_definition(block);
  } catch (const std::exception& error) {
    return fail(QStringLiteral("保存されたウィンドウの定義を読めません：%1").arg(QString::fromUtf8(error.what())));
  }
  try {
    rt::forms::Form form(definition);
    page::frmC01_001 window(form);
    form.load();
    form.show();
    return QApplication::exec();
  } catch (const rt::RuntimeError& error) {
    return fail(QStringLiteral("ウィンドウを作れません。実行時エラー '%1'：%2")
                    .arg(error.code())
                    .arg(QString::fromUtf8(error.what())));
  }
}

}  // namespace app
