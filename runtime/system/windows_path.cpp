#include "runtime/system/windows_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "runtime/system/file_name_text.h"
#include "runtime/system/folder_handle.h"

namespace rt {
namespace {

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool is_regular_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool has_entry(const FolderHandle& folder, const std::string& name) {
  struct stat info {};
  return fstatat(folder.fd(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

// The entry of `folder` whose name differs from `name` only in letter case.
std::optional<std::string> entry_ignoring_case(const FolderHandle& folder, const std::string& name) {
  const int listing = openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return std::nullopt;
  DIR* dir = fdopendir(listing);
  if (dir == nullptr) {
    close(listing);
    return std::nullopt;
  }
  std::optional<std::string> best;
  while (const dirent* entry = readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (equal_ignoring_ascii_case(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  closedir(dir);
  return best;
}

}  // namespace

bool names_exe(std::u16string_view path) {
  if (path.size() < 4) return false;
  const std::u16string_view tail = path.substr(path.size() - 4);
  return tail[0] == u'.' && (tail[1] | 0x20) == u'e' && (tail[2] | 0x20) == u'x' && (tail[3] | 0x20) == u'e';
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

std::string translate_path(std::u16string_view windows_path) {
  std::string path = file_name_of_text(windows_path);
  const bool has_drive = path.size() >= 2 && path[1] == ':' && ascii_lower(path[0]) >= 'a' && ascii_lower(path[0]) <= 'z';
  if (has_drive) {
    path.erase(0, 2);
    if (path.empty()) path = "/";
  }
  return path;
}

// Each component is looked up in the folder reached so far, by descriptor,
// so that paths of any length resolve.
std::string resolve_path(std::u16string_view windows_path) {
  const std::string translated = translate_path(windows_path);
  std::string resolved = translated.starts_with('/') ? "/" : "";
  FolderHandle folder = start_folder(translated);  // closed once a folder is missing: nothing below it can match
  for (const std::string& part : path_components(translated)) {
    if (!resolved.empty() && !resolved.ends_with('/')) resolved += '/';
    std::string chosen = part;
    if (folder.is_open() && part != "." && part != ".." && !has_entry(folder, part)) {
      if (const std::optional<std::string> entry = entry_ignoring_case(folder, part)) chosen = *entry;
    }
    if (folder.is_open()) folder = folder.child(chosen);
    resolved += chosen;
  }
  if (translated.ends_with('/') && !resolved.ends_with('/')) resolved += '/';
  return resolved;
}

std::string resolve_program(std::u16string_view windows_path) {
  const std::string resolved = resolve_path(windows_path);
  if (is_regular_file(resolved) || !names_exe(windows_path)) return resolved;
  const std::string bare = resolve_path(windows_path.substr(0, windows_path.size() - 4));
  return is_regular_file(bare) ? bare : resolved;
}

}  // namespace rt
