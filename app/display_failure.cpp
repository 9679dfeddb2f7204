#include "app/display_failure.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace app {
namespace {

constexpr char kNoConnection[] = "could not connect to display";

QtMessageHandler qt_output = nullptr;
std::optional<QString> unopened_display;

// The display Qt was given: the one Qt names, else DISPLAY's value.
QString display_name() {
  if (unopened_display && !unopened_display->isEmpty()) return *unopened_display;
  const char* variable = std::getenv("DISPLAY");
  return variable != nullptr ? QString::fromLocal8Bit(variable) : QString();
}

void while_starting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && unopened_display) {
    const QString name = display_name();
    const QString line = name.isEmpty() ? QStringLiteral("%1: cannot open a display: DISPLAY is not set\n")
                                              .arg(QString::fromLocal8Bit(program_invocation_short_name))
                                        : QStringLiteral("%1: cannot open the display \"%2\"\n")
                                              .arg(QString::fromLocal8Bit(program_invocation_short_name), name);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    _exit(1);
  }
  const qsizetype at = message.indexOf(QLatin1String(kNoConnection));
  if (at >= 0) {
    unopened_display = message.mid(at + static_cast<qsizetype>(sizeof kNoConnection) - 1).trimmed();
    return;
  }
  // Qt's account of the plugin it then could not load says nothing more.
  if (unopened_display && QByteArray(context.category).startsWith("qt.qpa")) return;
  qt_output(type, context, message);
}

}  // namespace

DisplayFailureReport::DisplayFailureReport() { qt_output = qInstallMessageHandler(while_starting); }

DisplayFailureReport::~DisplayFailureReport() { qInstallMessageHandler(qt_output); }

}  // namespace app
