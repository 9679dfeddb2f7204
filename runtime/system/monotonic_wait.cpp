#include "runtime/system/monotonic_wait.h"

#include <algorithm>
#include <cerrno>

#include "runtime/system/platform.h"

namespace rt {
namespace {

timespec to_timespec(MonotonicNs ns) {
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

MonotonicNs monotonic_now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<MonotonicNs>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void sleep_until(MonotonicNs deadline) {
  const timespec until = to_timespec(deadline);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

void wait_until(MonotonicNs deadline) {
  for (MonotonicNs now = monotonic_now(); now < deadline; now = monotonic_now()) {
    sleep_until(std::min(deadline, now + kHookInterval));
    run_blocking_hook();
  }
}

}  // namespace rt
