#pragma once
// The platform beneath the page: the application object, the current folder,
// starting and ending programs, and the system calls the page declares.
// The program runs on the POSIX implementation; tests install a fake that
// records every call (see install_platform).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace rt {

// Window styles of a started program, as the page passes them.
enum class WindowStyle : std::int32_t {
  Hidden = 0,
  NormalFocus = 1,
  NormalNoFocus = 4,
};

// Thrown by end_program() in test fakes, so that nothing of the page runs
// after the program has ended. The real platform exits instead.
struct ProgramEnded {};

class Platform {
 public:
  virtual ~Platform() = default;

  // Application object.
  virtual std::u16string program_folder() = 0;  // folder of the running executable, no trailing separator
  virtual std::u16string title() = 0;           // the application title ("C01_001")

  // Current drive and folder; both raise a RuntimeError when they cannot.
  virtual void change_drive(std::u16string_view path) = 0;
  virtual void change_dir(std::u16string_view path) = 0;

  // Starts a program without waiting: command = program path, a blank, the
  // argument text. Returns the task id; raises FileNotFound when it cannot start.
  virtual double shell(std::u16string_view command, WindowStyle style) = 0;

  // Ends the program at once. Does not return.
  [[noreturn]] virtual void end_program() = 0;

  // Declared system calls. Text arguments arrive in the ANSI code page (932).
  virtual std::int32_t sndPlaySoundA(const std::string& sound_name, std::uint32_t flags) = 0;
  virtual std::uint32_t SleepEx(std::uint32_t milliseconds, std::int32_t alertable) = 0;
  virtual std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) = 0;
  virtual std::int32_t WinHelpA(std::int32_t window, const std::string& help_file,
                                std::uint32_t command, std::int32_t data) = 0;
};

// The platform every caller uses; the POSIX one unless a test installed another.
Platform& platform();
// Installs a replacement (nullptr restores the POSIX platform). Not owned.
void install_platform(Platform* replacement);

// Called over and over while a blocking call (sound, sleep) holds the thread,
// so that the window layer can keep the window painted. Empty by default.
// Returns the hook it replaces.
std::function<void()> set_blocking_hook(std::function<void()> hook);
void run_blocking_hook();

// A hook for as long as it lives; then the one it replaced again.
class ScopedBlockingHook {
 public:
  explicit ScopedBlockingHook(std::function<void()> hook) : replaced_(set_blocking_hook(std::move(hook))) {}
  ~ScopedBlockingHook() { set_blocking_hook(std::move(replaced_)); }
  ScopedBlockingHook(const ScopedBlockingHook&) = delete;
  ScopedBlockingHook& operator=(const ScopedBlockingHook&) = delete;

 private:
  std::function<void()> replaced_;
};

}  // namespace rt
