// Start to first paint, and peak memory, of the page program as the build
// makes it, against a minimal Qt window built as a program of its own (it
// loads only Qt's libraries), on Qt's offscreen platform and on a real X
// server (a private Xvfb). Each run is a fresh process, timed from its start
// until the first-paint probe loaded into it reports (first_paint_probe.cpp);
// the two programs run in turn, so that both see the same machine.
//   bench_forms_first_paint [runs]

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Environment = std::vector<std::pair<std::string, std::string>>;

struct Sample {
  double ms;
  long peak_kib;
};

// The program's own environment with `changes` on top.
std::vector<std::string> environment_with(const Environment& changes) {
  std::vector<std::string> out;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (std::none_of(changes.begin(), changes.end(), [&](const auto& c) { return c.first == name; }))
      out.push_back(text);
  }
  for (const auto& [name, value] : changes) out.push_back(name + "=" + value);
  return out;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (auto& t : texts) out.push_back(t.data());
  out.push_back(nullptr);
  return out;
}

// Reads one line from `fd` within `timeout`; nothing when none comes.
std::optional<std::string> read_line(int fd, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string line;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    char c = 0;
    if (read(fd, &c, 1) != 1) return std::nullopt;
    if (c == '\n') return line;
    line += c;
  }
}

// Starts `argv` with its standard output on a pipe, its errors discarded.
pid_t spawn(std::vector<std::string> argv, const Environment& changes, int& out_fd, int extra_fd = -1) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, extra_fd >= 0 ? extra_fd : out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (extra_fd >= 0) posix_spawn_file_actions_adddup2(&actions, out[1], 3);
  std::vector<std::string> env = environment_with(changes);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, pointers_to(argv).data(),
                                  pointers_to(env).data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (failed != 0) {
    close(out[0]);
    return -1;
  }
  out_fd = out[0];
  return pid;
}

Sample run_once(const std::string& program, const Environment& env) {
  int out = -1;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = spawn({program}, env, out);
  if (pid < 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(2);
  }
  const auto line = read_line(out, std::chrono::seconds(30));
  const auto painted = std::chrono::steady_clock::now();
  close(out);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  if (!line) {
    std::fprintf(stderr, "%s did not report its first paint\n", program.c_str());
    std::exit(2);
  }
  return {std::chrono::duration<double, std::milli>(painted - start).count(), std::atol(line->c_str())};
}

// A private X server; it picks a free display number and tells it.
class Xvfb {
 public:
  Xvfb() {
    int number_fd = -1;
    int devnull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    pid_ = spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}, number_fd,
                 devnull);
    close(devnull);
    if (pid_ < 0) return;
    if (const auto number = read_line(number_fd, std::chrono::seconds(20))) display_ = ":" + *number;
    close(number_fd);
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;
  const std::string& display() const { return display_; }  // empty when it did not start

 private:
  pid_t pid_ = -1;
  std::string display_;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void compare(const char* platform, const Environment& env, int runs) {
  const Environment probe{{"QT_QPA_GENERIC_PLUGINS", "first_paint"}, {"QT_PLUGIN_PATH", FIRST_PAINT_PLUGINS}};
  Environment both = env;
  both.insert(both.end(), probe.begin(), probe.end());
  // One run each first, so that both start from a warm file cache.
  run_once(MINIMAL_PROGRAM, both);
  run_once(PAGE_PROGRAM, both);
  std::vector<double> page_ms, minimal_ms;
  long page_kib = 0, minimal_kib = 0;
  for (int i = 0; i < runs; ++i) {
    const Sample minimal = run_once(MINIMAL_PROGRAM, both);
    const Sample page = run_once(PAGE_PROGRAM, both);
    minimal_ms.push_back(minimal.ms);
    page_ms.push_back(page.ms);
    minimal_kib = std::max(minimal_kib, minimal.peak_kib);
    page_kib = std::max(page_kib, page.peak_kib);
  }
  const double page_median = median(page_ms), minimal_median = median(minimal_ms);
  std::printf("%s: start to first paint, median of %d runs: page %.1f ms, minimal window %.1f ms, ratio %.2f (goal 1.20)\n",
              platform, runs, page_median, minimal_median, page_median / minimal_median);
  std::printf("%s: peak memory: page %.1f MB, minimal window %.1f MB, difference %.1f MB (goal 15.0)\n", platform,
              static_cast<double>(page_kib) / 1024, static_cast<double>(minimal_kib) / 1024,
              static_cast<double>(page_kib - minimal_kib) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  char runtime_dir[] = "/tmp/first-paint-XXXXXX";  // Qt wants one; the same for both programs
  if (mkdtemp(runtime_dir) == nullptr) return 2;
  const Environment common{{"XDG_RUNTIME_DIR", runtime_dir}, {"SDL_AUDIODRIVER", "dummy"}};

  Environment offscreen = common;
  offscreen.emplace_back("QT_QPA_PLATFORM", "offscreen");
  compare("offscreen", offscreen, runs);

  const Xvfb server;
  if (server.display().empty()) {
    std::printf("xcb: skipped, Xvfb did not start\n");
  } else {
    Environment xcb = common;
    xcb.insert(xcb.end(), {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", server.display()}, {"WAYLAND_DISPLAY", ""}});
    compare("xcb (Xvfb)", xcb, runs);
  }
  rmdir(runtime_dir);
  return 0;
}
