#include "tests/course/capture.h"

#include <SDL2/SDL.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace course_test {
namespace {

// Below this the capture counts as silent: SDL writes exact zeros for silence
// in signed formats, and the recordings fade in from zero.
constexpr float kOnset = 1.0f / 256;
// How far the matching searches around the aligned onsets, in samples: room
// for a resampler that smears the first samples differently.
constexpr long kLagSearch = 48;
// A sound matches a recording when their normalised correlation reaches this.
constexpr double kMatched = 0.9;
constexpr double kExact = 0.9999;
// A sound that matches no recording ends at the first run of this many
// silent samples (about 20 ms at the usual rates).
constexpr long kQuietRun = 1000;

std::vector<float> first_channel(const Uint8* bytes, std::size_t length, const DeviceFormat& d) {
  const int sample_bytes = SDL_AUDIO_BITSIZE(d.format) / 8;
  const std::size_t frame_bytes = static_cast<std::size_t>(sample_bytes * d.channels);
  std::vector<float> out;
  out.reserve(length / frame_bytes);
  for (std::size_t at = 0; at + frame_bytes <= length; at += frame_bytes) {
    const Uint8* p = bytes + at;
    switch (d.format) {
      case AUDIO_S16LSB: {
        Sint16 v;
        std::memcpy(&v, p, 2);
        out.push_back(static_cast<float>(v) / 32768.0f);
        break;
      }
      case AUDIO_S32LSB: {
        Sint32 v;
        std::memcpy(&v, p, 4);
        out.push_back(static_cast<float>(static_cast<double>(v) / 2147483648.0));
        break;
      }
      case AUDIO_F32LSB: {
        float v;
        std::memcpy(&v, p, 4);
        out.push_back(v);
        break;
      }
      case AUDIO_U8:
        out.push_back((static_cast<float>(*p) - 128.0f) / 128.0f);
        break;
      default:
        throw std::invalid_argument("capture: unsupported device format");
    }
  }
  return out;
}

long first_onset(const std::vector<float>& s, long from) {
  for (long i = from; i < static_cast<long>(s.size()); ++i)
    if (std::fabs(s[static_cast<std::size_t>(i)]) >= kOnset) return i;
  return -1;
}

// Normalised correlation of the recording placed at `at` in the capture.
double correlation(const std::vector<float>& capture, const std::vector<float>& recording, long at) {
  double cross = 0, energy_c = 0, energy_r = 0;
  for (std::size_t i = 0; i < recording.size(); ++i) {
    long c = at + static_cast<long>(i);
    float x = (c >= 0 && c < static_cast<long>(capture.size())) ? capture[static_cast<std::size_t>(c)] : 0.0f;
    cross += static_cast<double>(x) * recording[i];
    energy_c += static_cast<double>(x) * x;
    energy_r += static_cast<double>(recording[i]) * recording[i];
  }
  if (energy_c <= 0 || energy_r <= 0) return 0;
  return cross / std::sqrt(energy_c * energy_r);
}

// The end of the run of sound that starts at `from`: the first stretch of
// `quiet_run` silent samples.
long end_of_sound(const std::vector<float>& s, long from, long quiet_run) {
  long quiet = 0;
  for (long i = from; i < static_cast<long>(s.size()); ++i) {
    quiet = std::fabs(s[static_cast<std::size_t>(i)]) < kOnset ? quiet + 1 : 0;
    if (quiet >= quiet_run) return i - quiet + 1;
  }
  return static_cast<long>(s.size());
}

}  // namespace

std::vector<Recording> load_recordings(const std::filesystem::path& folder, const std::vector<std::string>& names,
                                       const DeviceFormat& device) {
  std::vector<Recording> out;
  for (const auto& name : names) {
    const auto path = (folder / (name + ".pnn")).string();
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr)
      throw std::runtime_error("cannot load the recording " + path + ": " + SDL_GetError());
    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, device.format,
                      static_cast<Uint8>(device.channels), device.frequency);
    std::vector<Uint8> buffer(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(buffer.data(), data, length);
    SDL_FreeWAV(data);
    cvt.len = static_cast<int>(length);
    cvt.buf = buffer.data();
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) throw std::runtime_error("cannot convert " + path);
    const std::size_t converted = cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : length;
    out.push_back({name, first_channel(buffer.data(), converted, device)});
  }
  return out;
}

std::vector<float> read_capture(const std::filesystem::path& file, const DeviceFormat& device) {
  std::ifstream in(file, std::ios::binary);
  std::vector<Uint8> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return first_channel(bytes.data(), bytes.size(), device);
}

std::vector<Heard> hear(const std::vector<float>& capture, const std::vector<Recording>& recordings) {
  std::vector<Heard> heard;
  long cursor = 0;
  for (;;) {
    const long onset = first_onset(capture, cursor);
    if (onset < 0) break;
    Heard best{"?", onset, onset, 0.0};
    // Nearest lags first, and done at an exact match: the page plays the
    // samples unchanged, so the search is short.
    for (const auto& r : recordings) {
      const long own_onset = first_onset(r.samples, 0);
      if (own_onset < 0) continue;
      for (long step = 0; step <= 2 * kLagSearch && best.match < kExact; ++step) {
        const long lag = (step % 2 == 0) ? step / 2 : -(step + 1) / 2;
        const long at = onset - own_onset + lag;
        if (at < cursor) continue;
        const double m = correlation(capture, r.samples, at);
        if (m > best.match) best = {r.name, at, at + static_cast<long>(r.samples.size()), m};
      }
      if (best.match >= kExact) break;
    }
    if (best.match < kMatched) {
      best = {"?", onset, end_of_sound(capture, onset, kQuietRun), best.match};
    }
    heard.push_back(best);
    cursor = std::max(best.end, onset + 1);
  }
  return heard;
}

std::vector<std::string> names_of(const std::vector<Heard>& heard) {
  std::vector<std::string> out;
  for (const auto& h : heard) out.push_back(h.name);
  return out;
}

}  // namespace course_test
