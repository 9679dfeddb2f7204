#include "tests/support/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "runtime/system/command_line.h"

namespace test_support {

const char* to_string(CallKind kind) {
  switch (kind) {
    case CallKind::ProgramFolder: return "program_folder";
    case CallKind::Title: return "title";
    case CallKind::ChangeDrive: return "change_drive";
    case CallKind::ChangeDir: return "change_dir";
    case CallKind::Shell: return "shell";
    case CallKind::EndProgram: return "end_program";
    case CallKind::SndPlaySound: return "sndPlaySoundA";
    case CallKind::SleepEx: return "SleepEx";
    case CallKind::GetSystemDirectory: return "GetSystemDirectoryA";
    case CallKind::WinHelp: return "WinHelpA";
  }
  return "?";
}

void FakePlatform::set_sound(const std::string& name, std::int32_t result, std::uint64_t playing_ms) {
  sounds_[name] = Sound{result, playing_ms};
}

std::vector<PlatformCall> FakePlatform::calls_of(CallKind kind) const {
  std::vector<PlatformCall> matching;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
               [kind](const PlatformCall& call) { return call.kind == kind; });
  return matching;
}

// Records the call first, then raises when the test asked for it.
void FakePlatform::record(PlatformCall call) {
  call.at_ms = now_ms_;
  const CallKind kind = call.kind;
  calls_.push_back(std::move(call));
  if (const auto raising = raising_.find(kind); raising != raising_.end()) {
    rt::raise(raising->second, std::string("fake ") + to_string(kind));
  }
}

std::u16string FakePlatform::program_folder() {
  record({.kind = CallKind::ProgramFolder});
  return program_folder_;
}

std::u16string FakePlatform::title() {
  record({.kind = CallKind::Title});
  return title_;
}

void FakePlatform::change_drive(std::u16string_view path) {
  record({.kind = CallKind::ChangeDrive, .text = std::u16string(path)});
}

void FakePlatform::change_dir(std::u16string_view path) {
  record({.kind = CallKind::ChangeDir, .text = std::u16string(path)});
}

double FakePlatform::shell(std::u16string_view command, rt::WindowStyle style) {
  record({.kind = CallKind::Shell, .text = std::u16string(command), .style = style});
  for (const rt::CommandParts& reading : rt::command_readings(command)) {
    if (std::find(missing_programs_.begin(), missing_programs_.end(), reading.program) != missing_programs_.end()) {
      rt::raise(rt::ErrorNumber::FileNotFound, "fake shell");
    }
  }
  return next_task_id_++;
}

void FakePlatform::end_program() {
  calls_.push_back({.kind = CallKind::EndProgram, .at_ms = now_ms_});
  throw rt::ProgramEnded{};
}

std::int32_t FakePlatform::sndPlaySoundA(const std::string& sound_name, std::uint32_t flags) {
  record({.kind = CallKind::SndPlaySound, .ansi = sound_name, .number = flags});
  const auto sound = sounds_.find(sound_name);
  if (sound == sounds_.end()) return 0;
  rt::run_blocking_hook();
  now_ms_ += sound->second.playing_ms;
  return sound->second.result;
}

std::uint32_t FakePlatform::SleepEx(std::uint32_t milliseconds, std::int32_t alertable) {
  record({.kind = CallKind::SleepEx, .number = milliseconds, .data = alertable});
  rt::run_blocking_hook();
  now_ms_ += milliseconds;
  return 0;
}

std::uint32_t FakePlatform::GetSystemDirectoryA(char* buffer, std::uint32_t size) {
  record({.kind = CallKind::GetSystemDirectory, .number = size});
  const auto length = static_cast<std::uint32_t>(system_folder_.size());
  if (length + 1 > size) return length + 1;
  std::memcpy(buffer, system_folder_.c_str(), length + 1);
  return length;
}

std::int32_t FakePlatform::WinHelpA(std::int32_t window, const std::string& help_file, std::uint32_t command,
                                    std::int32_t data) {
  record({.kind = CallKind::WinHelp, .ansi = help_file, .number = command, .data = data, .window = window});
  return help_result_;
}

}  // namespace test_support
