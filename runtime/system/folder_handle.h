#pragma once
// Folders reached one component at a time, by descriptor, so that a path of
// any length works: a single call refuses a path of 4096 bytes or more.

#include <string>
#include <string_view>
#include <vector>

namespace rt {

// An open folder, closed when the handle goes.
class FolderHandle {
 public:
  explicit FolderHandle(int fd = -1) : fd_(fd) {}
  ~FolderHandle();
  FolderHandle(FolderHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FolderHandle& operator=(FolderHandle&& other) noexcept;
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;

  int fd() const { return fd_; }
  bool is_open() const { return fd_ >= 0; }
  // The folder `name` inside this one (closed, with errno set, when there is none).
  FolderHandle child(const std::string& name) const;

 private:
  int fd_;
};

// The root for an absolute path, else the current folder.
FolderHandle start_folder(std::string_view path);
// The components of a path, empty ones dropped.
std::vector<std::string> path_components(std::string_view path);
// The folder at `path`, entered one component at a time (closed, with errno
// set, when it cannot be).
FolderHandle open_folder_by_parts(std::string_view path);

}  // namespace rt
