#pragma once
// Waiting on the monotonic clock to an absolute deadline, so that the wait
// neither drifts nor ends early, with the blocking hook run about every
// 10 ms meanwhile.

#include <cstdint>
#include <ctime>

namespace rt {

using MonotonicNs = std::int64_t;

constexpr MonotonicNs kNsPerMs = 1'000'000;
constexpr MonotonicNs kHookInterval = 10 * kNsPerMs;

MonotonicNs monotonic_now();
// Sleeps to the deadline without running the hook.
void sleep_until(MonotonicNs deadline);
// Sleeps to the deadline, running the blocking hook every kHookInterval.
void wait_until(MonotonicNs deadline);

}  // namespace rt
