#pragma once
// The platform of the running program on Linux.
//
// System folder: GetSystemDirectoryA reports "C:\usr\lib", the Linux system
// library folder written the platform's way. Its first three characters are
// the drive root "C:\", so the volume control is sought at
// "C:\Windows\Sndvol32.exe", which shell() maps to the desktop's volume mixer.
//
// Window styles cannot be honoured by a program started from here (the
// started program makes its own windows); the style is recorded only.
//
// There is one drive, the root: change_drive accepts a drive letter ("D:"),
// a path that starts at the root, or an empty text, and changes nothing.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/system/platform.h"
#include "runtime/system/sound_player.h"

namespace rt {

struct StartedProgram {
  std::string program;                 // the file started
  std::vector<std::string> arguments;  // after the program itself
  WindowStyle style;
  pid_t pid;
};

class PosixPlatform final : public Platform {
 public:
  static constexpr const char* kSystemFolder = "C:\\usr\\lib";

  std::u16string program_folder() override;
  std::u16string title() override;
  void change_drive(std::u16string_view path) override;
  void change_dir(std::u16string_view path) override;
  double shell(std::u16string_view command, WindowStyle style) override;
  [[noreturn]] void end_program() override;
  std::int32_t sndPlaySoundA(const std::string& sound_name, std::uint32_t flags) override;
  std::uint32_t SleepEx(std::uint32_t milliseconds, std::int32_t alertable) override;
  std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) override;
  std::int32_t WinHelpA(std::int32_t window, const std::string& help_file, std::uint32_t command,
                        std::int32_t data) override;

  // The last program shell() started, for inspection.
  const std::optional<StartedProgram>& last_started() const { return last_started_; }
  // The sound output, for measurements.
  const SoundPlayer& sound_player() const { return sound_; }

 private:
  SoundPlayer sound_;
  std::optional<StartedProgram> last_started_;
};

Platform& posix_platform();

}  // namespace rt
