#include "runtime/system/posix_platform.h"

#include "runtime/core/error.h"

namespace rt {
namespace {

// Placeholder until the POSIX calls land: every call fails loudly.
class UnavailablePlatform final : public Platform {
  [[noreturn]] static void unavailable() { raise(ErrorNumber::InvalidProcedureCall, "platform not available"); }

 public:
  std::u16string program_folder() override { unavailable(); }
  std::u16string title() override { unavailable(); }
  void change_drive(std::u16string_view) override { unavailable(); }
  void change_dir(std::u16string_view) override { unavailable(); }
  double shell(std::u16string_view, WindowStyle) override { unavailable(); }
  [[noreturn]] void end_program() override { unavailable(); }
  std::int32_t sndPlaySoundA(const std::string&, std::uint32_t) override { unavailable(); }
  std::uint32_t SleepEx(std::uint32_t, std::int32_t) override { unavailable(); }
  std::uint32_t GetSystemDirectoryA(char*, std::uint32_t) override { unavailable(); }
  std::int32_t WinHelpA(std::int32_t, const std::string&, std::uint32_t, std::int32_t) override { unavailable(); }
};

}  // namespace

Platform& posix_platform() {
  static UnavailablePlatform platform;
  return platform;
}

}  // namespace rt
