// Preloaded into the page under test: every open of a recording (a path
// ending in ".pnn", any case) is stamped with the monotonic clock and
// appended as "<ns> <path>" to the file that COURSE_TEST_OPEN_LOG names.
// The page holds its one thread from a recording's open to the next one's
// for the sound and its pause, so these stamps time its pauses by its own
// clock, whatever load does to the sound device's thread.
//
// Every open of the C library is caught, whichever a sound reader uses;
// the __*_2 forms are what fortified builds call in place of open().

// A fortified build would declare open() as an inline wrapper and clash with
// the definitions below.
#undef _FORTIFY_SOURCE

#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/uio.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr char kLogVariable[] = "COURSE_TEST_OPEN_LOG";

bool is_recording(const char* path) {
  if (path == nullptr) return false;
  const size_t length = strlen(path);
  return length >= 4 && strcasecmp(path + length - 4, ".pnn") == 0;
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using OpenAt = int (*)(int, const char*, int, ...);

// Appends one line in one write, so that lines of several threads never mix.
void stamp(const char* path) {
  if (!is_recording(path)) return;
  const char* log = getenv(kLogVariable);
  if (log == nullptr) return;
  const int saved_errno = errno;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  char stamp_text[32];
  const int stamp_length = snprintf(stamp_text, sizeof stamp_text, "%lld ",
                                    static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
  static const OpenAt real_openat = next<OpenAt>("openat");
  const int fd = real_openat(AT_FDCWD, log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) {
    char newline = '\n';
    iovec parts[] = {{stamp_text, static_cast<size_t>(stamp_length)},
                     {const_cast<char*>(path), strlen(path)},
                     {&newline, 1}};
    // A line that cannot be written shows as a sound with no open.
    writev(fd, parts, 3);
    close(fd);
  }
  errno = saved_errno;
}

bool needs_mode(int flags) { return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE; }

mode_t mode_argument(int flags, va_list arguments) {
  return needs_mode(flags) ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

}  // namespace

extern "C" {

#define C01_STAMPED_OPEN(name)                                             \
  int name(const char* path, int flags, ...) {                             \
    va_list arguments;                                                     \
    va_start(arguments, flags);                                            \
    const mode_t mode = mode_argument(flags, arguments);                   \
    va_end(arguments);                                                     \
    stamp(path);                                                           \
    static const auto real = next<int (*)(const char*, int, ...)>(#name); \
    return real(path, flags, mode);                                        \
  }

#define C01_STAMPED_OPENAT(name)                                                \
  int name(int folder, const char* path, int flags, ...) {                      \
    va_list arguments;                                                          \
    va_start(arguments, flags);                                                 \
    const mode_t mode = mode_argument(flags, arguments);                        \
    va_end(arguments);                                                          \
    stamp(path);                                                                \
    static const auto real = next<int (*)(int, const char*, int, ...)>(#name); \
    return real(folder, path, flags, mode);                                     \
  }

#define C01_STAMPED_FORTIFIED_OPEN(name)                            \
  int name(const char* path, int flags) {                           \
    stamp(path);                                                    \
    static const auto real = next<int (*)(const char*, int)>(#name); \
    return real(path, flags);                                       \
  }

#define C01_STAMPED_FORTIFIED_OPENAT(name)                               \
  int name(int folder, const char* path, int flags) {                    \
    stamp(path);                                                         \
    static const auto real = next<int (*)(int, const char*, int)>(#name); \
    return real(folder, path, flags);                                    \
  }

#define C01_STAMPED_FOPEN(name)                                                 \
  FILE* name(const char* path, const char* how) {                               \
    stamp(path);                                                                \
    static const auto real = next<FILE* (*)(const char*, const char*)>(#name); \
    return real(path, how);                                                     \
  }

C01_STAMPED_OPEN(open)
C01_STAMPED_OPEN(open64)
C01_STAMPED_OPENAT(openat)
C01_STAMPED_OPENAT(openat64)
C01_STAMPED_FORTIFIED_OPEN(__open_2)
C01_STAMPED_FORTIFIED_OPEN(__open64_2)
C01_STAMPED_FORTIFIED_OPENAT(__openat_2)
C01_STAMPED_FORTIFIED_OPENAT(__openat64_2)
C01_STAMPED_FOPEN(fopen)
C01_STAMPED_FOPEN(fopen64)

}  // extern "C"
