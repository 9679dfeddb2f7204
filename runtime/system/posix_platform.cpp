#include "runtime/system/posix_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "runtime/core/cp932.h"
#include "runtime/core/error.h"
#include "runtime/core/message_text.h"
#include "runtime/system/application_title.h"
#include "runtime/system/command_line.h"
#include "runtime/system/file_name_text.h"
#include "runtime/system/folder_handle.h"
#include "runtime/system/monotonic_wait.h"
#include "runtime/system/process_start.h"
#include "runtime/system/program_file.h"
#include "runtime/system/program_search.h"
#include "runtime/system/windows_path.h"

// A sanitizer build checks for leaks when the program exits; ending at once
// skips that, so the check is made before.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define C01_LEAK_CHECK_AT_END
#endif
#endif

namespace rt {
namespace {

constexpr std::uint32_t kHelpContents = 11;

bool is_executable_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool is_regular_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A name handed to a declared call arrives in code page 932.
std::optional<std::string> resolve_ansi(const std::string& ansi_path) {
  try {
    return resolve_path(from_cp932(ansi_path));
  } catch (const EncodingError&) {
    return std::nullopt;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

struct ProgramToStart {
  std::string program;
  std::u16string arguments;
};

// The first reading of the command whose program exists and can run.
std::optional<ProgramToStart> find_program(std::u16string_view command) {
  for (const CommandParts& reading : command_readings(command)) {
    if (const std::optional<StandIn> stand_in = platform_program_stand_in(translate_path(reading.program))) {
      if (!stand_in->program) raise(ErrorNumber::FileNotFound, stand_in->description + "がインストールされていません");
      return ProgramToStart{*stand_in->program, reading.arguments};
    }
    const std::string program = resolve_program(reading.program);
    if (is_executable_file(program)) return ProgramToStart{program, reading.arguments};
  }
  return std::nullopt;
}

}  // namespace

std::u16string PosixPlatform::program_folder() {
  const std::optional<std::string> program = program_file_path();
  if (!program) raise(ErrorNumber::PathNotFound, "プログラム自身のファイルが見つかりません");
  const size_t slash = program->rfind('/');
  return text_of_file_name(slash == 0 ? "/" : program->substr(0, slash));
}

std::u16string PosixPlatform::title() { return from_utf8(application_title_text()); }

void PosixPlatform::change_drive(std::u16string_view path) {
  const bool names_root = path.empty() || path.front() == u'/' || path.front() == u'\\' ||
                          (path.size() >= 2 && path[1] == u':' && ((path[0] | 0x20) >= u'a' && (path[0] | 0x20) <= u'z'));
  if (!names_root) raise(ErrorNumber::DeviceUnavailable, quoted_for_message(path) + "にドライブがありません");
}

// Entered by descriptor, one folder at a time, so that a folder of any
// path length can be the current one.
void PosixPlatform::change_dir(std::u16string_view path) {
  const std::string folder = resolve_path(path);
  const FolderHandle handle = open_folder_by_parts(folder);
  if (!handle.is_open() || fchdir(handle.fd()) != 0) {
    const int failure = errno;
    raise(failure == EACCES ? ErrorNumber::PermissionDenied : ErrorNumber::PathNotFound,
          "「" + folder + "」（" + std::strerror(failure) + "）");
  }
}

double PosixPlatform::shell(std::u16string_view command, WindowStyle style) {
  const std::optional<ProgramToStart> found = find_program(command);
  if (!found) raise(ErrorNumber::FileNotFound, quoted_for_message(command) + "に起動できるプログラムがありません");
  std::vector<std::string> arguments;
  if (!found->arguments.empty()) {
    try {
      arguments.push_back(to_utf8(found->arguments));
    } catch (const EncodingError&) {
      raise(ErrorNumber::InvalidProcedureCall, "引数が文字として正しくありません");
    }
  }
  const pid_t pid = start_detached(found->program, arguments);
  if (pid < 0) raise(ErrorNumber::FileNotFound, "「" + found->program + "」（" + std::strerror(errno) + "）");
  last_started_ = StartedProgram{found->program, arguments, style, pid};
  return static_cast<double>(pid);
}

void PosixPlatform::end_program() {
  std::cout.flush();
  std::cerr.flush();
  // The program's own output only: flushing every stream would also flush
  // a stuck sound device's file, and wait on it.
  std::fflush(stdout);
  std::fflush(stderr);
  sound_.close();
#ifdef C01_LEAK_CHECK_AT_END
  __lsan_do_leak_check();
#endif
  _exit(0);
}

// Always synchronous and never a default sound: the only flags the page uses.
std::int32_t PosixPlatform::sndPlaySoundA(const std::string& sound_name, std::uint32_t) {
  const std::optional<std::string> path = resolve_ansi(sound_name);
  return path && sound_.play(*path) ? 1 : 0;
}

std::uint32_t PosixPlatform::SleepEx(std::uint32_t milliseconds, std::int32_t) {
  wait_until(monotonic_now() + static_cast<MonotonicNs>(milliseconds) * kNsPerMs);
  return 0;
}

std::uint32_t PosixPlatform::GetSystemDirectoryA(char* buffer, std::uint32_t size) {
  const auto length = static_cast<std::uint32_t>(std::strlen(kSystemFolder));
  if (buffer == nullptr || size < length + 1) return length + 1;
  std::memcpy(buffer, kSystemFolder, length + 1);
  return length;
}

std::int32_t PosixPlatform::WinHelpA(std::int32_t, const std::string& help_file, std::uint32_t command,
                                     std::int32_t) {
  if (command != kHelpContents) return 0;
  const std::optional<std::string> path = resolve_ansi(help_file);
  if (!path || !is_regular_file(*path)) return 0;
  const std::optional<std::string> opener = find_on_path("xdg-open");
  if (!opener) return 0;
  return start_detached(*opener, {*path}) > 0 ? 1 : 0;
}

Platform& posix_platform() {
  static PosixPlatform platform;
  return platform;
}

}  // namespace rt
