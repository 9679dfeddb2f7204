// A program for start tests: writes its arguments (without its own name),
// each ended by a NUL byte, to the file named after itself plus ".args".
// Written to a side file first and renamed, so a reader sees all or nothing.

#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
  if (length <= 0) return 1;
  self.resize(static_cast<size_t>(length));
  const std::string partial = self + ".partial";
  FILE* out = std::fopen(partial.c_str(), "wb");
  if (out == nullptr) return 1;
  for (int i = 1; i < argc; ++i) std::fwrite(argv[i], 1, std::string(argv[i]).size() + 1, out);
  std::fclose(out);
  return std::rename(partial.c_str(), (self + ".args").c_str()) == 0 ? 0 : 1;
}
