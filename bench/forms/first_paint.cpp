// Start to first paint, and peak memory, of the page against a minimal Qt
// window with one Japanese label. Each run is a fresh process, timed from
// its start until it reports that its window has painted once:
//   bench_forms_first_paint [runs]     runs both, interleaved, and compares
//   bench_forms_first_paint --child page|minimal

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "page/frmC01_001.h"
#include "page/stored_definition.h"
#include "runtime/definition/reader.h"
#include "runtime/forms/form.h"

extern char** environ;

namespace {

// Reports the peak memory once the watched widget has painted, then quits.
class FirstPaint final : public QObject {
 public:
  explicit FirstPaint(QWidget& widget) { widget.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {  // after the paint has finished
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

int run_child(int argc, char** argv, bool page) {
  QApplication app(argc, argv);
  if (page) {
    const rt::definition::Definition definition = rt::definition::read_definition(page::stored_definition());
    rt::forms::Form form(definition);
    page::frmC01_001 window(form);
    FirstPaint watch(form.client());
    form.load();
    form.show();
    return QApplication::exec();
  }
  QWidget window;
  QLabel label(QString::fromUtf8("こんにちは。"), &window);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(16);
  label.setFont(font);
  label.move(20, 20);
  window.resize(1024, 740);
  FirstPaint watch(label);
  window.show();
  return QApplication::exec();
}

struct Sample {
  double ms;
  long peak_kb;
};

Sample run_once(const char* self, const char* mode) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char child_flag[] = "--child";
  std::string mode_text = mode;
  std::string self_text = self;
  char* arguments[] = {self_text.data(), child_flag, mode_text.data(), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, self, &actions, nullptr, arguments, environ) != 0) std::exit(2);
  close(out[1]);
  char line[64] = {};
  size_t got = 0;
  while (got < sizeof line - 1) {
    const ssize_t n = read(out[0], line + got, sizeof line - 1 - got);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
    if (std::memchr(line, '\n', got) != nullptr) break;
  }
  const auto painted = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  if (got == 0) {
    std::fprintf(stderr, "the %s run reported nothing\n", mode);
    std::exit(2);
  }
  return {std::chrono::duration<double, std::milli>(painted - start).count(), std::atol(line)};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return run_child(argc, argv, std::strcmp(argv[2], "page") == 0);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // runs without a display unless one is asked for
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::vector<double> page_ms, minimal_ms;
  long page_kb = 0, minimal_kb = 0;
  for (int i = 0; i < runs; ++i) {
    const Sample minimal = run_once(argv[0], "minimal");
    const Sample page = run_once(argv[0], "page");
    minimal_ms.push_back(minimal.ms);
    page_ms.push_back(page.ms);
    minimal_kb = std::max(minimal_kb, minimal.peak_kb);
    page_kb = std::max(page_kb, page.peak_kb);
  }
  const double page_median = median(page_ms), minimal_median = median(minimal_ms);
  std::printf("start to first paint, median of %d runs: page %.1f ms, minimal window %.1f ms, ratio %.2f (goal 1.20)\n",
              runs, page_median, minimal_median, page_median / minimal_median);
  std::printf("peak memory: page %.1f MB, minimal window %.1f MB, difference %.1f MB (goal 15.0)\n", page_kb / 1024.0,
              minimal_kb / 1024.0, (page_kb - minimal_kb) / 1024.0);
  return 0;
}
