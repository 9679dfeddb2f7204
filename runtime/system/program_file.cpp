#include "runtime/system/program_file.h"

#include <limits.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace rt {
namespace {

// The kernel escapes a newline in a mapped file's name as "\012".
std::string unescaped(const std::string& name) {
  std::string out;
  for (size_t at = 0; at < name.size(); ++at) {
    if (name.compare(at, 4, "\\012") == 0) {
      out += '\n';
      at += 3;
    } else {
      out += name[at];
    }
  }
  return out;
}

// The program's file among the files mapped into the process, found by its
// device and inode: the one listing that shows a path longer than the link
// /proc/self/exe can give.
std::optional<std::string> path_from_mappings() {
  struct stat program {};
  if (stat("/proc/self/exe", &program) != 0) return std::nullopt;
  char device[32];
  std::snprintf(device, sizeof device, "%02x:%02x", major(program.st_dev), minor(program.st_dev));
  std::ifstream mappings("/proc/self/maps");
  for (std::string line; std::getline(mappings, line);) {
    std::istringstream fields(line);
    std::string range, permissions, offset, mapped_device;
    unsigned long long inode = 0;
    if (!(fields >> range >> permissions >> offset >> mapped_device >> inode)) continue;
    if (mapped_device != device || inode != program.st_ino) continue;
    const size_t path_at = line.find('/');
    if (path_at != std::string::npos) return unescaped(line.substr(path_at));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> program_file_path() {
  std::string path(PATH_MAX, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length > 0 && static_cast<size_t>(length) < path.size()) {
    path.resize(static_cast<size_t>(length));
    return path;
  }
  // The link refuses a path of PATH_MAX bytes or more.
  if (length < 0 && errno == ENAMETOOLONG) return path_from_mappings();
  return std::nullopt;
}

}  // namespace rt
