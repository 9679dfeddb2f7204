#include "runtime/system/sound_player.h"

#include <algorithm>
#include <memory>

#include "runtime/system/monotonic_wait.h"
#include "runtime/system/platform.h"
#include "runtime/system/sdl_library.h"

namespace rt {
namespace {

// A device that takes nothing for this long is taken as lost.
constexpr MonotonicNs kStallLimit = 2000 * kNsPerMs;
constexpr MonotonicNs kPollInterval = kNsPerMs;

struct WavFree {
  const SdlLibrary* sdl;
  void operator()(Uint8* samples) const { sdl->FreeWAV(samples); }
};

MonotonicNs duration_ns(Uint64 frames, int frequency) {
  return static_cast<MonotonicNs>(frames * 1'000'000'000ULL / static_cast<Uint64>(frequency));
}

}  // namespace

SoundPlayer::~SoundPlayer() { close(); }

int SoundPlayer::period_frames(int frequency) {
  int frames = 512;
  while (frames > 128 && frames * 1000 > 12 * frequency) frames /= 2;
  return frames;
}

void SoundPlayer::close() {
  if (device_ != 0) sdl_->CloseAudioDevice(device_);
  device_ = 0;
  if (audio_started_) sdl_->QuitSubSystem(SDL_INIT_AUDIO);
  audio_started_ = false;
}

bool SoundPlayer::ensure_device(const SDL_AudioSpec& format) {
  if (device_ != 0 && device_format_.freq == format.freq && device_format_.format == format.format &&
      device_format_.channels == format.channels && sdl_->GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING) {
    return true;
  }
  if (device_ != 0) sdl_->CloseAudioDevice(device_);
  device_ = 0;
  SDL_AudioSpec desired = format;
  desired.samples = static_cast<Uint16>(period_frames(format.freq));
  desired.callback = nullptr;  // queued audio
  // No allowed changes: SDL converts to the hardware's format itself, and the
  // queue takes the file's samples as they are.
  device_ = sdl_->OpenAudioDevice(nullptr, 0, &desired, &device_format_, 0);
  if (device_ == 0) return false;
  sdl_->PauseAudioDevice(device_, 0);
  return true;
}

bool SoundPlayer::play(const std::string& path) {
  if (!audio_started_) {
    sdl_ = sdl_library();
    if (sdl_ == nullptr) return false;
    // Starting audio starts SDL's events, whose handlers would turn SIGINT
    // and SIGTERM into a quit event that nothing here reads: the program
    // must end on them as any other does.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audio_started_ = sdl_->InitSubSystem(SDL_INIT_AUDIO) == 0;
  }
  if (!audio_started_) return false;

  // A file cut short is refused, not played in part; a wrong RIFF size
  // alone, common in old recordings, is let pass.
  sdl_->SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_OVERRIDE);
  SDL_RWops* file = sdl_->RWFromFile(path.c_str(), "rb");
  if (file == nullptr) return false;
  SDL_AudioSpec format{};
  Uint8* raw_samples = nullptr;
  Uint32 bytes = 0;
  if (sdl_->LoadWAV_RW(file, 1, &format, &raw_samples, &bytes) == nullptr) return false;
  const std::unique_ptr<Uint8, WavFree> samples(raw_samples, WavFree{sdl_});
  if (!ensure_device(format)) return false;

  sdl_->ClearQueuedAudio(device_);
  if (sdl_->QueueAudio(device_, samples.get(), bytes) != 0) return false;
  return wait_until_sounded(bytes);
}

// The queue empties when the device takes its last period, which then still
// has to sound; and no recording plays faster than its own length.
bool SoundPlayer::wait_until_sounded(Uint32 bytes) {
  const MonotonicNs start = monotonic_now();
  const int frame_bytes = SDL_AUDIO_BITSIZE(device_format_.format) / 8 * device_format_.channels;
  const MonotonicNs length = duration_ns(bytes / static_cast<Uint32>(frame_bytes), device_format_.freq);
  const MonotonicNs period = duration_ns(device_format_.samples, device_format_.freq);

  Uint32 queued = sdl_->GetQueuedAudioSize(device_);
  MonotonicNs progress_at = start;
  MonotonicNs hook_at = start + kHookInterval;
  while (queued > 0) {
    const MonotonicNs now = monotonic_now();
    if (now - progress_at > kStallLimit) {
      sdl_->ClearQueuedAudio(device_);
      sdl_->CloseAudioDevice(device_);
      device_ = 0;
      return false;
    }
    if (now >= hook_at) {
      run_blocking_hook();
      hook_at = monotonic_now() + kHookInterval;
    }
    sleep_until(now + kPollInterval);
    const Uint32 left = sdl_->GetQueuedAudioSize(device_);
    if (left != queued) progress_at = monotonic_now();
    queued = left;
  }
  wait_until(std::max(monotonic_now() + period, start + length));
  return true;
}

}  // namespace rt
