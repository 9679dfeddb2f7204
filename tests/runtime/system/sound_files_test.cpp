// What the player makes of the files it is given: every common kind of WAVE
// plays, two common defects no longer silence a recording, files that would
// block are refused at once, a huge recording plays in little memory, and
// recordings at very low rates hold the page for their length only.

#include <fcntl.h>
#include <sndfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <future>
#include <vector>

#include "tests/runtime/system/disk_audio.h"

namespace sound_tests {
namespace {

using test_support::format_chunk;
using test_support::pattern_samples;
using test_support::riff_chunk;
using test_support::riff_wave;
using test_support::wave_file;
using test_support::WaveFormat;

using namespace std::string_literals;

constexpr rt::MonotonicNs kMs = rt::kNsPerMs;

// A tone written by libsndfile in the given format.
void write_encoded(const std::filesystem::path& path, int format, int rate, int channels, int frames) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  std::vector<float> samples(static_cast<size_t>(frames * channels));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = 0.5f * std::sin(static_cast<float>(i) * 0.05f);
  EXPECT_EQ(sf_writef_float(file, samples.data(), frames), frames);
  sf_close(file);
}

struct Kind {
  const char* name;
  int format;
  int rate;
  int channels;
};

TEST_F(DiskAudio, EveryCommonKindOfWavePlaysForItsLength) {
  const Kind kinds[] = {
      {"pcm-8", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 22050, 1},
      {"pcm-16-stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2},
      {"pcm-24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 1},
      {"float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 2},
      {"8-khz", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1},
      {"192-khz", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 192000, 2},
      {"ima-adpcm", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 22050, 1},
      {"ms-adpcm", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 22050, 2},
      {"a-law", SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 1},
      {"u-law", SF_FORMAT_WAV | SF_FORMAT_ULAW, 8000, 1},
      {"extensible", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 22050, 2},
  };
  for (const Kind& kind : kinds) {
    const int frames = kind.rate / 5;  // 200 ms
    write_encoded(temp.path() / (std::string(kind.name) + ".pnn"), kind.format, kind.rate, kind.channels, frames);
    bool played = false;
    const rt::MonotonicNs took = time_of([&] { played = play(std::string(kind.name) + ".pnn"); });
    EXPECT_TRUE(played) << kind.name;
    EXPECT_GE(took, 200 * kMs) << kind.name;
  }
  // Information before the format, as some editors write it.
  temp.write("list-first.pnn", riff_wave(riff_chunk("LIST", "INFOISFT\x05\0\0\0abcde"s) + format_chunk(kMono16) +
                                         riff_chunk("data", pattern_samples(kMono16, 2205))));
  EXPECT_TRUE(play("list-first.pnn"));
}

TEST_F(DiskAudio, AnOddChunkWithoutItsPadByteOrAStrayByteStillPlays) {
  const std::string first = pattern_samples(kMono16, 2205, 1);
  const std::string second = pattern_samples(kMono16, 2205, 2);
  temp.write("no-pad.pnn", riff_wave(format_chunk(kMono16) + riff_chunk("LIST", "INFOxyz", false) +
                                     riff_chunk("data", first)));
  temp.write("stray-byte.pnn", riff_wave(format_chunk(kMono16) + riff_chunk("data", second + "\x07", false)));
  EXPECT_TRUE(play("no-pad.pnn"));
  EXPECT_TRUE(play("stray-byte.pnn"));
  const std::string out = played();
  EXPECT_NE(out.find(first), std::string::npos);
  EXPECT_NE(out.find(second), std::string::npos);
}

// Found by fuzzing: an information list whose entry claims a size near
// 4 GiB kept the decoder reading for minutes behind the samples, and for
// good before them or where a sample count shorter than the decoder expects
// put it out of step, so that it read the samples as chunks. Only the
// chunks that say how to play reach the decoder. Each file plays in a child
// of its own, killed if it hangs.
TEST_F(DiskAudio, ChunksAPlayerDoesNotNeedAreNotRead) {
  const std::string samples = pattern_samples(kMono16, 2205);
  const std::string list = riff_chunk("LIST", "INFOIOFT\xf7\xff\xff\xff\x9e\x9d\x9c\x9b\x65"s);
  // 96 bytes of samples that hold the list one byte in, as a decoder one
  // byte out of step finds it.
  const std::string holding_the_list = "\0"s + list + "\0"s + pattern_samples(kMono16, 34);
  const struct {
    const char* name;
    std::string file;
    std::string samples;
  } files[] = {
      {"before-the-format", riff_wave(list + format_chunk(kMono16) + riff_chunk("data", samples)), samples},
      {"before-the-samples", riff_wave(format_chunk(kMono16) + list + riff_chunk("data", samples)), samples},
      {"behind-the-samples",
       riff_wave(format_chunk(kMono16) + riff_chunk("data", samples) +
                 "LIST\x11\0\0\x4fP\0\xff\xff\xf7\xff\xff\xff"s),
       samples},
      {"after-a-short-sample-count",
       riff_wave(format_chunk(kMono16) + riff_chunk("fact", "abc") + riff_chunk("data", holding_the_list)),
       holding_the_list},
  };
  for (const auto& [name, file, expected] : files) {
    temp.write("a.pnn", file);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const bool ok = play("a.pnn");
      platform.reset();  // flushes what the device wrote
      _exit(ok ? 0 : 1);
    }
    const int status = wait_for_end(child);
    ASSERT_NE(status, -1) << name << " held the call";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << " did not play";
    EXPECT_NE(test_support::read_file(output()).find(expected), std::string::npos) << name;
  }
}

TEST_F(DiskAudio, FilesWhoseOpenOrReadWouldBlockAreRefusedAtOnce) {
  const std::filesystem::path fifo = temp.path() / "fifo.pnn";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::filesystem::path socket_file = temp.path() / "socket.pnn";
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_file.c_str());
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 1), 0);

  // SDL starts on this thread, as it does on the page's one thread.
  temp.write("good.pnn", wave_file(kMono16, pattern_samples(kMono16, 220)));
  ASSERT_TRUE(play("good.pnn"));
  for (const std::string& path : {fifo.string(), socket_file.string(), std::string("/dev/zero")}) {
    auto call = std::async(std::launch::async, [&] { return platform->sndPlaySoundA(path, 2); });
    if (call.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      ADD_FAILURE() << path << " held the call";
      // Lets a call stuck in opening the FIFO go on, so that the test can end.
      const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      call.wait();
      if (writer >= 0) close(writer);
      continue;
    }
    EXPECT_EQ(call.get(), 0) << path;
  }
  close(listener);
}

long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(DiskAudio, AHugeRecordingPlaysInLittleMemoryAndKeepsTheWindowAnswering) {
  // 256 MiB of samples, a sparse file: it takes no room on the disk.
  constexpr std::uint32_t kDataBytes = 256u << 20;
  const std::string header = riff_wave(format_chunk(kMono16) + "data" + std::string("\0\0\0\x10", 4));
  const std::filesystem::path huge = temp.write("huge.pnn", header);
  std::filesystem::resize_file(huge, header.size() + kDataBytes);

  // The page's window answers while the recording plays; after half a
  // second of it the test looks at the memory and stops the call.
  struct Enough {};
  const long before = resident_kib();
  long during = 0;
  int hook_runs = 0;
  rt::set_blocking_hook([&] {
    if (++hook_runs < 50) return;
    during = resident_kib();
    throw Enough{};
  });
  EXPECT_THROW((void)play("huge.pnn"), Enough);
  EXPECT_EQ(hook_runs, 50);
  EXPECT_LT(during - before, 16 * 1024) << "KiB more while playing";
}

TEST_F(DiskAudio, LowRatesHoldThePageForTheRecordingsLengthOnly) {
  struct LowRate {
    std::uint32_t rate;
    std::uint32_t frames;
  };
  const LowRate rates[] = {{1, 2}, {10, 5}, {4000, 400}, {7999, 800}};
  for (const LowRate& low : rates) {
    const WaveFormat format{low.rate, 1, 16};
    const std::string name = "rate-" + std::to_string(low.rate) + ".pnn";
    temp.write(name, wave_file(format, pattern_samples(format, low.frames)));
    const rt::MonotonicNs length = static_cast<rt::MonotonicNs>(low.frames) * 1'000'000'000 / low.rate;
    bool played = false;
    const rt::MonotonicNs took = time_of([&] { played = play(name); });
    EXPECT_TRUE(played) << low.rate;
    EXPECT_GE(took, length) << low.rate;
    // A generous bound: the old hold was seconds to minutes past the end.
    EXPECT_LT(took, length + 1000 * kMs) << low.rate << " Hz held the call " << took / kMs << " ms";
    // What bounds the hold: the device's period.
    const SDL_AudioSpec& device = platform->sound_player().device_format();
    EXPECT_LE(static_cast<long>(device.samples) * 1000, 12L * device.freq) << low.rate;
  }
}

}  // namespace
}  // namespace sound_tests
