#pragma once
// Plays one RIFF WAVE file to its end on the default audio device, through
// SDL2's audio queue, reading and queueing it in pieces while it plays, so
// that memory stays flat whatever the file's size. The device stays open
// between calls, so that a click sounds at once, and is reopened only when a
// file has another format. Each call reads its file anew; nothing is cached.

#include <SDL2/SDL.h>

#include <string>

#include "runtime/system/monotonic_wait.h"
#include "runtime/system/recording.h"

namespace rt {

class LowRateUpsampler;
struct SdlLibrary;

class SoundPlayer {
 public:
  // Recordings below this rate play through a device of kConvertedRate, so
  // that the device's period stays short.
  static constexpr int kLowestDeviceRate = 8000;
  static constexpr int kConvertedRate = 48000;

  SoundPlayer() = default;
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // True when the whole file was played. False, silently, when the file is
  // missing, is no regular file or no playable WAVE, when no device opens
  // (one line on stderr the first time), or when the device stops taking
  // samples (it is then given up, and the next sound opens a fresh one).
  bool play(const std::string& path);

  // Closes the device and SDL's audio, before the program ends.
  void close();

  // Frames per device period for a device rate: a power of two, at most
  // 512 and at most 12 ms.
  static int period_frames(int rate);

  // The open device (0 when none) and its format, for measurements.
  SDL_AudioDeviceID device() const { return device_; }
  const SDL_AudioSpec& device_format() const { return device_format_; }

 private:
  bool start_audio();
  bool ensure_device(const SampleFormat& format);
  bool stream(Recording& recording, LowRateUpsampler* upsampler);
  bool queue(const void* bytes, std::size_t size);
  void abandon_device();

  const SdlLibrary* sdl_ = nullptr;  // loaded with the first sound
  bool audio_started_ = false;
  bool abandoned_ = false;  // a stuck device was left open
  bool told_no_device_ = false;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec device_format_{};
};

}  // namespace rt
