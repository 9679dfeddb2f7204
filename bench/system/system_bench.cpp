// Timing of the sound and sleep stand-ins.
//
//   play_latency:  from the play call to the device taking the first period
//                  of the file from the queue, with the device already open.
//   play_duration: how much longer the play call takes than the recording.
//   sleep:         how much longer SleepEx waits than asked.
//
// Sound goes to SDL's disk driver (into /dev/null) unless SDL_AUDIODRIVER is
// set, so the figures hold without a sound card.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "runtime/system/monotonic_wait.h"
#include "runtime/system/posix_platform.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wave_file.h"

namespace {

using rt::MonotonicNs;
using test_support::WaveFormat;

double ms(MonotonicNs ns) { return static_cast<double>(ns) / 1e6; }

void report(benchmark::State& state, std::vector<double> samples_ms, const char* unit_name) {
  std::sort(samples_ms.begin(), samples_ms.end());
  state.counters[std::string(unit_name) + "_median_ms"] = samples_ms[samples_ms.size() / 2];
  state.counters[std::string(unit_name) + "_min_ms"] = samples_ms.front();
  state.counters[std::string(unit_name) + "_max_ms"] = samples_ms.back();
}

struct Recording {
  test_support::TempFolder folder;
  std::string path;
  std::uint32_t bytes;
  MonotonicNs length;

  Recording(const WaveFormat& format, std::uint32_t frames) {
    const std::string samples = test_support::pattern_samples(format, frames);
    path = folder.write("r.pnn", test_support::wave_file(format, samples)).string();
    bytes = static_cast<std::uint32_t>(samples.size());
    length = static_cast<MonotonicNs>(frames) * 1'000'000'000 / format.frequency;
  }
};

void play_latency(benchmark::State& state) {
  const WaveFormat format{48000, 2, 16};
  const Recording recording(format, 48000 / 5);  // 200 ms
  rt::PosixPlatform platform;
  platform.sndPlaySoundA(recording.path, 2);  // opens the device
  const SDL_AudioDeviceID device = platform.sound_player().device();

  // Clicks come at any moment of the device's period: a gap of random length
  // before each call keeps the calls from locking to the period.
  std::minstd_rand gaps(1);
  std::vector<double> latencies;
  for (auto _ : state) {
    state.PauseTiming();
    rt::sleep_until(rt::monotonic_now() + static_cast<MonotonicNs>(gaps() % 20'000) * 1000);
    state.ResumeTiming();
    std::atomic<MonotonicNs> taken_at{0};
    std::atomic<bool> playing{true};
    std::thread watcher([&] {
      while (playing && taken_at == 0) {
        const Uint32 queued = SDL_GetQueuedAudioSize(device);
        if (queued > 0 && queued < recording.bytes) taken_at = rt::monotonic_now();
      }
    });
    const MonotonicNs start = rt::monotonic_now();
    platform.sndPlaySoundA(recording.path, 2);
    playing = false;
    watcher.join();
    if (taken_at != 0) latencies.push_back(ms(taken_at - start));
  }
  if (!latencies.empty()) report(state, latencies, "first_period");
}

void play_duration(benchmark::State& state) {
  const auto frequency = static_cast<std::uint32_t>(state.range(0));
  const WaveFormat format{frequency, 1, 16};
  const Recording recording(format, frequency * static_cast<std::uint32_t>(state.range(1)) / 1000);
  rt::PosixPlatform platform;
  platform.sndPlaySoundA(recording.path, 2);
  const double period_ms = 1000.0 * rt::SoundPlayer::period_frames(static_cast<int>(frequency)) / frequency;

  std::vector<double> overs;
  for (auto _ : state) {
    const MonotonicNs start = rt::monotonic_now();
    platform.sndPlaySoundA(recording.path, 2);
    overs.push_back(ms(rt::monotonic_now() - start - recording.length));
  }
  report(state, overs, "longer");
  state.counters["period_ms"] = period_ms;
}

void sleep_overshoot(benchmark::State& state) {
  const auto wanted = static_cast<std::uint32_t>(state.range(0));
  rt::PosixPlatform platform;
  std::vector<double> overs;
  for (auto _ : state) {
    const MonotonicNs start = rt::monotonic_now();
    platform.SleepEx(wanted, 1);
    overs.push_back(ms(rt::monotonic_now() - start) - wanted);
  }
  report(state, overs, "overshoot");
}

BENCHMARK(play_latency)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(play_duration)->Args({22050, 300})->Args({44100, 300})->Args({48000, 1000})->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(sleep_overshoot)->Arg(10)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(sleep_overshoot)->Arg(100)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(sleep_overshoot)->Arg(1000)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "disk", 0);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
