// A Qt generic plugin that times a program's start without changing it:
// loaded into any Qt program by QT_QPA_GENERIC_PLUGINS=first_paint (with
// QT_PLUGIN_PATH naming the folder above generic/), it writes the program's
// peak memory in KiB as one line on standard output as soon as the first
// paint has finished, and ends the program there. The page and the minimal
// window are measured by the same probe, so it costs both the same.

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class FirstPaintProbe final : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so that it runs once the whole window has painted.
      QTimer::singleShot(0, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        _exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

class FirstPaintPlugin final : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint_probe.json")

 public:
  QObject* create(const QString&, const QString&) override {
    auto* probe = new FirstPaintProbe;
    QCoreApplication::instance()->installEventFilter(probe);
    return probe;
  }
};

#include "first_paint_probe.moc"
