#include "runtime/system/folder_handle.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace rt {

FolderHandle::~FolderHandle() {
  if (fd_ >= 0) ::close(fd_);
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

FolderHandle FolderHandle::child(const std::string& name) const {
  return FolderHandle(openat(fd_, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

FolderHandle start_folder(std::string_view path) {
  return FolderHandle(::open(path.starts_with('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

std::vector<std::string> path_components(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    if (slash > start) parts.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

FolderHandle open_folder_by_parts(std::string_view path) {
  FolderHandle folder = start_folder(path);
  for (const std::string& part : path_components(path)) {
    if (!folder.is_open()) break;
    folder = folder.child(part);
  }
  return folder;
}

}  // namespace rt
