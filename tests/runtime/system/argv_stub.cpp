// A program for start tests: writes its open descriptors, each ended by a
// blank, to the file named after itself plus ".fds", then its arguments
// (without its own name), each ended by a NUL byte, to the file named after
// itself plus ".args". Written to side files first and renamed, so a reader
// sees all or nothing; ".args" comes last.

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// The descriptors open at start, before this program opens any.
std::string open_descriptors() {
  std::string list;
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) return "?";
  while (const dirent* entry = readdir(folder)) {
    if (entry->d_name[0] == '.' || std::stoi(entry->d_name) == dirfd(folder)) continue;
    list += std::string(entry->d_name) + " ";
  }
  closedir(folder);
  return list;
}

bool write_file(const std::string& path, const std::string& bytes) {
  const std::string partial = path + ".partial";
  FILE* out = std::fopen(partial.c_str(), "wb");
  if (out == nullptr) return false;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
  return std::rename(partial.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string descriptors = open_descriptors();
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
  if (length <= 0) return 1;
  self.resize(static_cast<size_t>(length));
  std::string arguments;
  for (int i = 1; i < argc; ++i) arguments += std::string(argv[i]) + '\0';
  return write_file(self + ".fds", descriptors) && write_file(self + ".args", arguments) ? 0 : 1;
}
