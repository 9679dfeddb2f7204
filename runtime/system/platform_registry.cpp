#include "runtime/system/platform.h"

#include <utility>

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

std::function<void()> set_blocking_hook(std::function<void()> hook) {
  return std::exchange(blocking_hook(), std::move(hook));
}

// Run from a copy: the hook may start a handler that sets a hook of its own.
void run_blocking_hook() {
  if (const std::function<void()> hook = blocking_hook()) hook();
}

}  // namespace rt
