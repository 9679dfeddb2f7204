#pragma once
// Starting a program with an argument vector, never through a shell, and
// without waiting for it, with descriptors 0, 1 and 2 only. A reaper thread collects each started process when
// it ends, so none is left a zombie.

#include <sys/types.h>

#include <string>
#include <vector>

namespace rt {

// Returns the process id, or -1 with errno set when it cannot start.
pid_t start_detached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace rt
