#include "runtime/system/platform.h"
#include "runtime/system/posix_platform.h"

namespace rt {
namespace {

Platform* installed = nullptr;
std::function<void()>& blocking_hook() {
  static std::function<void()> hook;
  return hook;
}

}  // namespace

Platform& platform() { return installed != nullptr ? *installed : posix_platform(); }

void install_platform(Platform* replacement) { installed = replacement; }

void set_blocking_hook(std::function<void()> hook) { blocking_hook() = std::move(hook); }

void run_blocking_hook() {
  if (blocking_hook()) blocking_hook()();
}

}  // namespace rt
