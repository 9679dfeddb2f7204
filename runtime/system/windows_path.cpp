#include "runtime/system/windows_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "runtime/core/cp932.h"
#include "runtime/core/error.h"

namespace rt {
namespace {

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

bool is_regular_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The entry of `folder` whose name differs from `name` only in letter case.
std::optional<std::string> entry_ignoring_case(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (equal_ignoring_ascii_case(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  closedir(dir);
  return best;
}

std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    if (slash > start) parts.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

bool ends_with_exe(std::u16string_view path) {
  if (path.size() < 4) return false;
  const std::u16string_view tail = path.substr(path.size() - 4);
  return tail[0] == u'.' && (tail[1] | 0x20) == u'e' && (tail[2] | 0x20) == u'x' && (tail[3] | 0x20) == u'e';
}

}  // namespace

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

std::string translate_path(std::u16string_view windows_path) {
  std::string path;
  try {
    path = to_utf8(windows_path);
  } catch (const EncodingError&) {
    raise(ErrorNumber::FileNotFound, "パスが文字として正しくありません");
  }
  std::replace(path.begin(), path.end(), '\\', '/');
  const bool has_drive = path.size() >= 2 && path[1] == ':' && ascii_lower(path[0]) >= 'a' && ascii_lower(path[0]) <= 'z';
  if (has_drive) {
    path.erase(0, 2);
    if (path.empty()) path = "/";
  }
  return path;
}

std::string resolve_path(std::u16string_view windows_path) {
  const std::string translated = translate_path(windows_path);
  std::string resolved = translated.starts_with('/') ? "/" : "";
  bool matching = true;  // false once a folder is missing: nothing below it can match
  for (const std::string& part : components(translated)) {
    if (!resolved.empty() && !resolved.ends_with('/')) resolved += '/';
    std::string chosen = part;
    if (matching && part != "." && part != ".." && !exists(resolved + part)) {
      const std::optional<std::string> entry = entry_ignoring_case(resolved, part);
      if (entry) chosen = *entry;
      else matching = false;
    }
    resolved += chosen;
  }
  if (translated.ends_with('/') && !resolved.ends_with('/')) resolved += '/';
  return resolved;
}

std::string resolve_program(std::u16string_view windows_path) {
  const std::string resolved = resolve_path(windows_path);
  if (is_regular_file(resolved) || !ends_with_exe(windows_path)) return resolved;
  const std::string bare = resolve_path(windows_path.substr(0, windows_path.size() - 4));
  return is_regular_file(bare) ? bare : resolved;
}

}  // namespace rt
