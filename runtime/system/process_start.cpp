#include "runtime/system/process_start.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace rt {

pid_t start_detached(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  // The started program gets the standard descriptors only: nothing the
  // page holds open (a recording, the sound device's file) reaches it.
  posix_spawn_file_actions_t actions;
  if (const int failure = posix_spawn_file_actions_init(&actions); failure != 0) {
    errno = failure;
    return -1;
  }
  pid_t pid = -1;
  int failure = posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
  if (failure == 0) failure = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) {
    errno = failure;
    return -1;
  }
  try {
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // The program runs; without a thread to spare it is collected at our exit.
  }
  return pid;
}

}  // namespace rt
