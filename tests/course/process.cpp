#include "tests/course/process.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace course_test {
namespace {

[[noreturn]] void exec_child(const ChildOptions& o) {
  if (o.pass_fd >= 0) {
    if (o.pass_fd != 3) {
      dup2(o.pass_fd, 3);
      close(o.pass_fd);
    }
  }
  if (o.quiet) {
    int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
  }
  if (!o.cwd.empty() && chdir(o.cwd.c_str()) != 0) _exit(126);
  for (const auto& [name, value] : o.env) {
    if (value.empty()) {
      unsetenv(name.c_str());
    } else {
      setenv(name.c_str(), value.c_str(), 1);
    }
  }
  if (o.as_nobody && geteuid() == 0) {
    if (setgroups(0, nullptr) != 0 || setgid(nobody_gid()) != 0 || setuid(nobody_uid()) != 0) _exit(126);
  }
  std::vector<char*> args;
  for (const auto& a : o.argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

int decode_status(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return -1;
}

}  // namespace

uid_t nobody_uid() {
  const passwd* entry = getpwnam("nobody");
  return entry != nullptr ? entry->pw_uid : 65534;
}

gid_t nobody_gid() {
  const passwd* entry = getpwnam("nobody");
  return entry != nullptr ? entry->pw_gid : 65534;
}

Child::Child(const ChildOptions& options) {
  if (options.argv.empty()) throw std::invalid_argument("Child: no program");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("Child: fork failed");
  if (pid_ == 0) exec_child(options);
}

Child::~Child() {
  if (!status_) {
    kill(pid_, SIGKILL);
    int raw = 0;
    waitpid(pid_, &raw, 0);
  }
}

std::optional<int> Child::wait_exit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!status_) {
    int raw = 0;
    if (waitpid(pid_, &raw, WNOHANG) == pid_) {
      status_ = decode_status(raw);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status_;
}

bool Child::running() { return !wait_exit(std::chrono::milliseconds(0)); }

long Child::resident_kib() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}

int run_tool(const std::vector<std::string>& argv,
             const std::vector<std::pair<std::string, std::string>>& env) {
  Child tool({.argv = argv, .env = env, .quiet = true});
  auto status = tool.wait_exit(std::chrono::seconds(30));
  return status ? *status : -1;
}

}  // namespace course_test
