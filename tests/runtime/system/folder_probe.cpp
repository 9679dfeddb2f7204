// Writes its program folder, as the page's text turned back into a Linux
// path, to stdout; then makes that folder the current one and exits 0 when
// the current folder holds this very program: 1 when the folder cannot be
// read, 2 when it cannot be entered, 3 when another folder was entered.

#include <sys/stat.h>

#include <cstdio>
#include <exception>

#include "runtime/system/posix_platform.h"
#include "runtime/system/windows_path.h"

int main(int, char** argv) {
  rt::PosixPlatform platform;
  std::u16string folder;
  try {
    folder = platform.program_folder();
    const std::string path = rt::translate_path(folder);
    std::fwrite(path.data(), 1, path.size(), stdout);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  try {
    platform.change_drive(folder);
    platform.change_dir(folder);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
  std::string name = argv[0];
  name = name.substr(name.rfind('/') + 1);
  struct stat here {}, program {};
  const bool same = stat(name.c_str(), &here) == 0 && stat("/proc/self/exe", &program) == 0 &&
                    here.st_ino == program.st_ino && here.st_dev == program.st_dev;
  return same ? 0 : 3;
}
