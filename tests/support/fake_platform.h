#pragma once
// A recording stand-in for rt::Platform with a fake clock, for tests of
// everything that sits on the platform. Every call is recorded in order with
// its arguments and the fake time at which it began. The blocking calls
// (a known sound, SleepEx) run the blocking hook once and advance the clock
// instead of waiting.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/core/error.h"
#include "runtime/system/platform.h"

namespace test_support {

enum class CallKind {
  ProgramFolder,
  Title,
  ChangeDrive,
  ChangeDir,
  Shell,
  EndProgram,
  SndPlaySound,
  SleepEx,
  GetSystemDirectory,
  WinHelp,
};

const char* to_string(CallKind kind);

struct PlatformCall {
  CallKind kind;
  std::uint64_t at_ms = 0;           // fake time when the call began
  std::u16string text{};             // change_drive/change_dir path, shell command
  rt::WindowStyle style{};           // shell
  std::string ansi{};                // sndPlaySoundA sound name, WinHelpA help file
  std::uint32_t number = 0;          // sound flags, sleep milliseconds, buffer size, help command
  std::int32_t data = 0;             // SleepEx alertable, WinHelpA data
  std::int32_t window = 0;           // WinHelpA window
};

class FakePlatform final : public rt::Platform {
 public:
  // What the fake answers.
  void set_program_folder(std::u16string folder) { program_folder_ = std::move(folder); }
  void set_title(std::u16string title) { title_ = std::move(title); }
  // sndPlaySoundA of this exact name returns result and takes playing_ms on
  // the fake clock. Names never set return 0 at once, like a missing file.
  void set_sound(const std::string& name, std::int32_t result, std::uint64_t playing_ms);
  // What GetSystemDirectoryA reports, in code page 932 bytes ("" makes it return 0).
  void set_system_folder(std::string folder) { system_folder_ = std::move(folder); }
  void set_help_result(std::int32_t result) { help_result_ = result; }
  // shell() raises FileNotFound when the command names this program path
  // (the path alone, or the path, a blank and arguments).
  void fail_shell_for(std::u16string program_path) { missing_programs_.push_back(std::move(program_path)); }
  // Every later call of this kind is recorded and then raises this error.
  void raise_on(CallKind kind, rt::ErrorNumber number) { raising_[kind] = number; }

  // The clock and the record.
  std::uint64_t now_ms() const { return now_ms_; }
  void advance(std::uint64_t ms) { now_ms_ += ms; }
  const std::vector<PlatformCall>& calls() const { return calls_; }
  std::vector<PlatformCall> calls_of(CallKind kind) const;  // copies: keep the vector, not a reference into it
  void clear_calls() { calls_.clear(); }

  std::u16string program_folder() override;
  std::u16string title() override;
  void change_drive(std::u16string_view path) override;
  void change_dir(std::u16string_view path) override;
  double shell(std::u16string_view command, rt::WindowStyle style) override;
  [[noreturn]] void end_program() override;
  std::int32_t sndPlaySoundA(const std::string& sound_name, std::uint32_t flags) override;
  std::uint32_t SleepEx(std::uint32_t milliseconds, std::int32_t alertable) override;
  std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) override;
  std::int32_t WinHelpA(std::int32_t window, const std::string& help_file, std::uint32_t command,
                        std::int32_t data) override;

 private:
  struct Sound {
    std::int32_t result;
    std::uint64_t playing_ms;
  };

  void record(PlatformCall call);

  std::u16string program_folder_ = u"/course/C01";
  std::u16string title_ = u"C01_001";
  std::map<std::string, Sound> sounds_;
  std::string system_folder_ = "C:\\WINDOWS\\SYSTEM";
  std::int32_t help_result_ = 1;
  std::vector<std::u16string> missing_programs_;
  std::map<CallKind, rt::ErrorNumber> raising_;
  std::uint64_t now_ms_ = 0;
  double next_task_id_ = 1000;
  std::vector<PlatformCall> calls_;
};

// Installs a platform for the life of the guard, then restores the real one.
class ScopedPlatform {
 public:
  explicit ScopedPlatform(rt::Platform& platform) { rt::install_platform(&platform); }
  ~ScopedPlatform() { rt::install_platform(nullptr); }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;
};

// The usual fixture member: a fake that is installed while it lives.
struct InstalledFakePlatform {
  FakePlatform fake;
  ScopedPlatform guard{fake};
};

}  // namespace test_support
