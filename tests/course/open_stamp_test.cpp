// The preloaded open stamp, called through each of its entry points: it logs
// the opens of recordings, in order, and nothing else, and leaves what the
// open itself does untouched.

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "tests/course/open_log.h"
#include "tests/support/temp_folder.h"

namespace course_test {
namespace {

using OpenAny = std::function<int(void* entry, const char* path, int flags, mode_t mode)>;

// The descriptor opened (or -1), whatever the entry point gives.
int descriptor_of(FILE* file) {
  if (file == nullptr) return -1;
  const int fd = dup(fileno(file));
  fclose(file);
  return fd;
}

OpenAny plain_open() {
  return [](void* entry, const char* path, int flags, mode_t mode) {
    return reinterpret_cast<int (*)(const char*, int, ...)>(entry)(path, flags, mode);
  };
}
OpenAny open_at() {
  return [](void* entry, const char* path, int flags, mode_t mode) {
    return reinterpret_cast<int (*)(int, const char*, int, ...)>(entry)(AT_FDCWD, path, flags, mode);
  };
}
OpenAny fortified_open() {
  return [](void* entry, const char* path, int flags, mode_t) {
    return reinterpret_cast<int (*)(const char*, int)>(entry)(path, flags);
  };
}
OpenAny fortified_open_at() {
  return [](void* entry, const char* path, int flags, mode_t) {
    return reinterpret_cast<int (*)(int, const char*, int)>(entry)(AT_FDCWD, path, flags);
  };
}
OpenAny file_open() {
  return [](void* entry, const char* path, int flags, mode_t) {
    return descriptor_of(reinterpret_cast<FILE* (*)(const char*, const char*)>(entry)(path, flags == O_RDONLY ? "rb" : "wb"));
  };
}

struct EntryPoint {
  const char* name;
  OpenAny open;
  bool passes_mode;  // takes a mode for the files it creates
};

const EntryPoint kEntryPoints[] = {
    {"open", plain_open(), true},           {"open64", plain_open(), true},
    {"openat", open_at(), true},            {"openat64", open_at(), true},
    {"__open_2", fortified_open(), false},  {"__open64_2", fortified_open(), false},
    {"__openat_2", fortified_open_at(), false}, {"__openat64_2", fortified_open_at(), false},
    {"fopen", file_open(), false},          {"fopen64", file_open(), false},
};

class OpenStamp : public ::testing::Test {
 protected:
  void SetUp() override {
    stamp_ = dlopen(C01_OPEN_STAMP, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(stamp_, nullptr) << dlerror();
    setenv("COURSE_TEST_OPEN_LOG", log().c_str(), 1);
    folder_.write("pnn/ni2.pnn", "RIFF");
    folder_.write("pnn/NI3.PNN", "RIFF");
    folder_.write("pnn/ni2.wav", "RIFF");
  }
  void TearDown() override {
    unsetenv("COURSE_TEST_OPEN_LOG");
    if (stamp_ != nullptr) dlclose(stamp_);
  }

  std::filesystem::path log() const { return folder_.path() / "opens.log"; }
  std::string at(const char* relative) const { return (folder_.path() / relative).string(); }
  void* entry(const char* name) const { return dlsym(stamp_, name); }

  test_support::TempFolder folder_;
  void* stamp_ = nullptr;
};

TEST_F(OpenStamp, EveryEntryPointLogsTheOpensOfRecordingsOnly) {
  for (const EntryPoint& e : kEntryPoints) {
    SCOPED_TRACE(e.name);
    std::filesystem::remove(log());
    void* open = entry(e.name);
    ASSERT_NE(open, nullptr);
    for (const char* file : {"pnn/ni2.pnn", "pnn/ni2.wav", "pnn/NI3.PNN", "pnn"}) {
      const int fd = e.open(open, at(file).c_str(), O_RDONLY, 0);
      EXPECT_GE(fd, 0) << file;
      close(fd);
    }
    // A failed open is logged too, and fails as it would without the stamp.
    errno = 0;
    EXPECT_EQ(e.open(open, at("pnn/missing.pnn").c_str(), O_RDONLY, 0), -1);
    EXPECT_EQ(errno, ENOENT);

    const auto opens = read_open_log(log());
    ASSERT_EQ(opens.size(), 3u);
    EXPECT_EQ(opens[0].name, "ni2");
    EXPECT_EQ(opens[1].name, "ni3");
    EXPECT_EQ(opens[2].name, "missing");
    EXPECT_LE(opens[0].ns, opens[1].ns);
    EXPECT_LE(opens[1].ns, opens[2].ns);
  }
}

TEST_F(OpenStamp, ModeOfACreatedFileReachesTheOpen) {
  const mode_t mask = umask(0);
  for (const EntryPoint& e : kEntryPoints) {
    if (!e.passes_mode) continue;
    SCOPED_TRACE(e.name);
    const std::string file = at((std::string("made-by-") + e.name + ".pnn").c_str());
    const int fd = e.open(entry(e.name), file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0604);
    ASSERT_GE(fd, 0);
    close(fd);
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0604u);
  }
  umask(mask);
}

TEST_F(OpenStamp, NothingIsLoggedWithoutALogNamed) {
  unsetenv("COURSE_TEST_OPEN_LOG");
  const int fd = plain_open()(entry("open"), at("pnn/ni2.pnn").c_str(), O_RDONLY, 0);
  EXPECT_GE(fd, 0);
  close(fd);
  EXPECT_FALSE(std::filesystem::exists(log()));
}

}  // namespace
}  // namespace course_test
