#pragma once
// Child processes of the real-window tests: the page, Xvfb and the X tools.
// A Child is killed and reaped when it goes out of scope, so a failing test
// leaves nothing running.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace course_test {

struct ChildOptions {
  std::vector<std::string> argv = {};  // argv[0] is the program (looked up in PATH)
  std::filesystem::path cwd = {}; // empty: the test's own
  // Set in the child's environment on top of the test's own ("" unsets).
  std::vector<std::pair<std::string, std::string>> env = {};
  int pass_fd = -1;               // handed to the child as its fd 3
  bool as_nobody = false;         // run as an unprivileged user when root
  bool quiet = false;             // discard the child's output
};

class Child {
 public:
  explicit Child(const ChildOptions& options);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  // The exit status (128 + signal when killed), or nothing when the child
  // is still running at the timeout.
  std::optional<int> wait_exit(std::chrono::milliseconds timeout);
  bool running();
  // Resident memory of the running child, in KiB.
  long resident_kib() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Runs a tool to its end and returns its exit status.
int run_tool(const std::vector<std::string>& argv,
             const std::vector<std::pair<std::string, std::string>>& env = {});

// The user and group ids of "nobody", for a child that must not read what
// root reads.
uid_t nobody_uid();
gid_t nobody_gid();

}  // namespace course_test
