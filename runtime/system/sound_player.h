#pragma once
// Plays one RIFF WAVE file to its end on the default audio device, through
// SDL2's audio queue. The device stays open between calls, so that a click
// sounds at once, and is reopened only when a file has another format. Each
// call reads its file anew; nothing is cached.

#include <SDL2/SDL.h>

#include <string>

namespace rt {

struct SdlLibrary;

class SoundPlayer {
 public:
  SoundPlayer() = default;
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // True when the whole file was played. False at once, silently, when the
  // file is missing, unreadable or no playable WAVE, or no device opens.
  bool play(const std::string& path);

  // Closes the device and SDL's audio, before the program ends.
  void close();

  // Frames per device period for a sample rate: at most 512, about 10 ms.
  static int period_frames(int frequency);

  // The open device (0 when none), for measurements.
  SDL_AudioDeviceID device() const { return device_; }

 private:
  bool ensure_device(const SDL_AudioSpec& format);
  bool wait_until_sounded(Uint32 bytes);

  const SdlLibrary* sdl_ = nullptr;  // loaded with the first sound
  bool audio_started_ = false;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec device_format_{};
};

}  // namespace rt
