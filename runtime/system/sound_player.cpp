#include "runtime/system/sound_player.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>

#include "runtime/system/low_rate_upsampler.h"
#include "runtime/system/platform.h"
#include "runtime/system/sdl_library.h"
#include "runtime/system/sndfile_library.h"

namespace rt {
namespace {

// A device that takes nothing for this long is taken as lost.
constexpr MonotonicNs kStallLimit = 2000 * kNsPerMs;
constexpr MonotonicNs kPollInterval = kNsPerMs;
// Frames read from the file at a time, and how much is kept queued ahead.
constexpr std::size_t kPieceFrames = 4096;
constexpr MonotonicNs kQueueAhead = 250 * kNsPerMs;

// Frames at a rate, in nanoseconds; whatever the count, it cannot overflow.
MonotonicNs duration_ns(std::uint64_t frames, int rate) {
  const auto per_second = static_cast<std::uint64_t>(rate);
  const std::uint64_t seconds = frames / per_second;
  constexpr std::uint64_t kLongest = std::numeric_limits<MonotonicNs>::max() / 1'000'000'000 / 2;
  if (seconds > kLongest) return static_cast<MonotonicNs>(kLongest) * 1'000'000'000;
  return static_cast<MonotonicNs>(seconds * 1'000'000'000 + frames % per_second * 1'000'000'000 / per_second);
}

// While the sound system is asked for a device, its libraries' own errors
// (ALSA prints eight lines for a machine without a sound card) are kept off
// stderr; the player says once, in one line, that there is no sound.
class QuietStderr {
 public:
  QuietStderr() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

}  // namespace

SoundPlayer::~SoundPlayer() { close(); }

int SoundPlayer::period_frames(int rate) {
  std::int64_t frames = 512;
  while (frames > 1 && frames * 1000 > 12 * static_cast<std::int64_t>(rate)) frames /= 2;
  return static_cast<int>(frames);
}

void SoundPlayer::close() {
  if (device_ != 0) sdl_->CloseAudioDevice(device_);
  device_ = 0;
  // Ending SDL's audio closes every device, a stuck one too, whose thread
  // would be waited for for good: with one left open, SDL is left as it is.
  if (audio_started_ && !abandoned_) sdl_->QuitSubSystem(SDL_INIT_AUDIO);
  audio_started_ = false;
}

bool SoundPlayer::start_audio() {
  if (audio_started_) return true;
  if (sdl_ == nullptr) sdl_ = sdl_library();
  if (sdl_ == nullptr) return false;
  // Starting audio starts SDL's events, whose handlers would turn SIGINT
  // and SIGTERM into a quit event that nothing here reads: the program
  // must end on them as any other does.
  sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const QuietStderr quiet;
  audio_started_ = sdl_->InitSubSystem(SDL_INIT_AUDIO) == 0;
  return audio_started_;
}

bool SoundPlayer::ensure_device(const SampleFormat& format) {
  if (device_ != 0 && device_format_.freq == format.rate && device_format_.format == format.format &&
      device_format_.channels == format.channels && sdl_->GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING) {
    return true;
  }
  if (device_ != 0) sdl_->CloseAudioDevice(device_);
  device_ = 0;
  SDL_AudioSpec desired{};
  desired.freq = format.rate;
  desired.format = format.format;
  desired.channels = static_cast<Uint8>(format.channels);
  desired.samples = static_cast<Uint16>(period_frames(format.rate));
  desired.callback = nullptr;  // queued audio
  {
    // No allowed changes: SDL converts to the hardware's format itself, and
    // the queue takes the samples as they are.
    const QuietStderr quiet;
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &desired, &device_format_, 0);
  }
  if (device_ == 0) {
    if (!told_no_device_) {
      std::fprintf(stderr, "%s: no sound: the audio device cannot be opened (%s)\n", program_invocation_short_name,
                   sdl_->GetError());
    }
    told_no_device_ = true;
    return false;
  }
  sdl_->PauseAudioDevice(device_, 0);
  return true;
}

// A device that no longer takes samples cannot be closed: SDL would wait for
// its thread, which is stuck in the device's write and may never return. It
// is left open, its queue emptied, and the next sound opens a fresh one.
void SoundPlayer::abandon_device() {
  sdl_->ClearQueuedAudio(device_);
  device_ = 0;
  abandoned_ = true;
}

bool SoundPlayer::play(const std::string& path) {
  const SndfileLibrary* sndfile = sndfile_library();
  if (sndfile == nullptr || !start_audio()) return false;
  const std::unique_ptr<Recording> recording = Recording::open(*sndfile, path);
  if (!recording) return false;

  std::optional<LowRateUpsampler> upsampler;
  if (recording->format().rate < kLowestDeviceRate) {
    recording->read_as_float();
    upsampler.emplace(recording->format().channels, recording->format().rate, kConvertedRate);
  }
  SampleFormat device = recording->format();
  if (upsampler) device.rate = kConvertedRate;
  if (!ensure_device(device)) return false;
  sdl_->ClearQueuedAudio(device_);
  return stream(*recording, upsampler ? &*upsampler : nullptr);
}

bool SoundPlayer::queue(const void* bytes, std::size_t size) {
  return size == 0 || sdl_->QueueAudio(device_, bytes, static_cast<Uint32>(size)) == 0;
}

// Reads and queues the recording a piece at a time, keeping a quarter of a
// second queued, until the device has taken all of it. The queue empties
// when the device takes its last period, which then still has to sound; and
// no recording plays faster than its own length.
bool SoundPlayer::stream(Recording& recording, LowRateUpsampler* upsampler) {
  const MonotonicNs start = monotonic_now();
  const int file_rate = recording.format().rate;
  const int file_frame = recording.format().frame_bytes();
  const int device_rate = device_format_.freq;
  const int device_frame = SDL_AUDIO_BITSIZE(device_format_.format) / 8 * device_format_.channels;
  const auto ahead_bytes = static_cast<Uint32>(kQueueAhead * device_rate / 1'000'000'000 * device_frame);
  // A raised piece is no longer than kPieceFrames at the device's rate.
  const std::size_t piece_frames =
      upsampler == nullptr ? kPieceFrames
                           : std::max<std::size_t>(1, kPieceFrames * static_cast<std::size_t>(file_rate) /
                                                          static_cast<std::size_t>(device_rate));
  std::uint64_t frames_read = 0;
  bool input_done = false;
  Uint32 queued = 0;
  MonotonicNs progress_at = start;
  MonotonicNs hook_at = start + kHookInterval;
  for (;;) {
    while (!input_done && queued <= ahead_bytes) {
      const std::vector<std::uint8_t>& piece = recording.read(piece_frames);
      const std::size_t frames = piece.size() / static_cast<std::size_t>(file_frame);
      frames_read += frames;
      input_done = frames == 0;
      if (upsampler == nullptr) {
        if (!queue(piece.data(), piece.size())) return false;
      } else {
        const std::vector<float>& raised = upsampler->convert(reinterpret_cast<const float*>(piece.data()), frames);
        if (!queue(raised.data(), raised.size() * sizeof(float))) return false;
      }
      queued = sdl_->GetQueuedAudioSize(device_);
    }
    if (input_done && queued == 0) break;

    const MonotonicNs now = monotonic_now();
    if (now - progress_at > kStallLimit) {
      abandon_device();
      return false;
    }
    if (now >= hook_at) {
      run_blocking_hook();
      hook_at = monotonic_now() + kHookInterval;
    }
    sleep_until(now + kPollInterval);
    const Uint32 left = sdl_->GetQueuedAudioSize(device_);
    if (left < queued) progress_at = monotonic_now();
    queued = left;
  }
  const MonotonicNs period = duration_ns(device_format_.samples, device_rate);
  wait_until(std::max(monotonic_now() + period, start + duration_ns(frames_read, file_rate)));
  return true;
}

}  // namespace rt
