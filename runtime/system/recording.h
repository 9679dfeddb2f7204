#pragma once
// One recording opened for playing in pieces: a RIFF WAVE file decoded by
// libsndfile into samples that SDL plays as they are. The file is opened
// without blocking and read only when it is a regular file, so that a FIFO,
// a device or a socket named like a recording cannot hold the page.

#include <SDL2/SDL_audio.h>
#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rt {

struct SndfileLibrary;

// Samples as SDL takes them.
struct SampleFormat {
  SDL_AudioFormat format = 0;
  int channels = 0;
  int rate = 0;

  int frame_bytes() const { return SDL_AUDIO_BITSIZE(format) / 8 * channels; }
  bool operator==(const SampleFormat&) const = default;
};

class Recording {
 public:
  // The rates and channel counts a recording may state; others are refused.
  static constexpr int kMaxRate = 384000;
  static constexpr int kMaxChannels = 8;

  // Nothing, silently, when the file is missing, is no regular file, or is
  // no playable RIFF WAVE.
  static std::unique_ptr<Recording> open(const SndfileLibrary& sndfile, const std::string& path);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  const SampleFormat& format() const { return format_; }
  // From here on, reads give 32-bit floats whatever the file holds.
  void read_as_float();
  // Reads up to `frames` frames; fewer at the end, none once it is reached.
  // The bytes stay valid until the next read.
  const std::vector<std::uint8_t>& read(std::size_t frames);

  struct Source;

 private:
  enum class Reading { Short, ShortToUnsigned8, Int, Float };

  Recording(const SndfileLibrary& sndfile, std::unique_ptr<Source> source);

  const SndfileLibrary& sndfile_;
  std::unique_ptr<Source> source_;
  SNDFILE* file_ = nullptr;
  SampleFormat format_;
  Reading reading_ = Reading::Short;
  std::vector<std::uint8_t> samples_;
};

}  // namespace rt
