#include "tests/support/temp_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace test_support {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "c01-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

namespace {

// Removes the entry `name` of the folder `parent` with all it holds, by
// descriptor, so that folders deeper than one call's path limit go too.
void remove_tree_at(int parent, const char* name) {
  if (unlinkat(parent, name, 0) == 0) return;
  const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder >= 0) {
    if (DIR* entries = fdopendir(folder)) {
      std::vector<std::string> names;
      while (const dirent* entry = readdir(entries)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) names.push_back(entry->d_name);
      }
      for (const std::string& inner : names) remove_tree_at(dirfd(entries), inner.c_str());
      closedir(entries);
    } else {
      close(folder);
    }
  }
  unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace

TempFolder::~TempFolder() { remove_tree_at(AT_FDCWD, path_.c_str()); }

std::filesystem::path TempFolder::write(const std::filesystem::path& relative, std::string_view bytes) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace test_support
