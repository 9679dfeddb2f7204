#include "runtime/system/recording.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "runtime/system/riff_layout.h"
#include "runtime/system/sndfile_library.h"

namespace rt {

// The file as the decoder sees it: the layout's head, then the samples
// read from the file as they are needed.
struct Recording::Source {
  int fd = -1;
  std::uint64_t size = 0;
  RiffLayout layout;
  sf_count_t position = 0;

  ~Source() {
    if (fd >= 0) ::close(fd);
  }

  std::uint64_t length() const { return layout.head.size() + layout.data_size; }

  // Reads from the file itself.
  std::size_t read_file(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) const {
    std::size_t done = 0;
    while (done < count && offset + done < size) {
      const ssize_t got = pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += static_cast<std::size_t>(got);
    }
    return done;
  }

  // Reads at an offset of the file as the decoder sees it.
  std::size_t read_seen(std::uint64_t at, std::uint8_t* buffer, std::size_t count) const {
    const std::vector<std::uint8_t>& head = layout.head;
    std::size_t done = 0;
    if (at < head.size()) {
      done = static_cast<std::size_t>(std::min<std::uint64_t>(count, head.size() - at));
      std::memcpy(buffer, head.data() + at, done);
    }
    if (done == count) return done;
    const std::uint64_t into_data = at + done - head.size();
    if (into_data >= layout.data_size) return done;
    const auto part = static_cast<std::size_t>(std::min<std::uint64_t>(count - done, layout.data_size - into_data));
    return done + read_file(layout.data_offset + into_data, buffer + done, part);
  }
};

namespace {

using Source = Recording::Source;

Source& source_of(void* data) { return *static_cast<Source*>(data); }

sf_count_t source_length(void* data) { return static_cast<sf_count_t>(source_of(data).length()); }

sf_count_t source_seek(sf_count_t offset, int whence, void* data) {
  Source& source = source_of(data);
  const sf_count_t base = whence == SEEK_CUR ? source.position
                          : whence == SEEK_END ? static_cast<sf_count_t>(source.length())
                                               : 0;
  if (offset < -base || offset > std::numeric_limits<sf_count_t>::max() - base) return -1;
  source.position = base + offset;
  return source.position;
}

sf_count_t source_read(void* buffer, sf_count_t count, void* data) {
  Source& source = source_of(data);
  if (count <= 0 || source.position < 0) return 0;
  const std::size_t got = source.read_seen(static_cast<std::uint64_t>(source.position),
                                           static_cast<std::uint8_t*>(buffer), static_cast<std::size_t>(count));
  source.position += static_cast<sf_count_t>(got);
  return static_cast<sf_count_t>(got);
}

sf_count_t source_tell(void* data) { return source_of(data).position; }

SF_VIRTUAL_IO virtual_io() {
  SF_VIRTUAL_IO io{};
  io.get_filelen = source_length;
  io.seek = source_seek;
  io.read = source_read;
  io.tell = source_tell;
  return io;
}

// Opens without blocking: a FIFO would wait for a writer, a device for its
// hardware. Only a regular file is read.
std::unique_ptr<Source> open_regular_file(const std::string& path) {
  auto source = std::make_unique<Source>();
  source->fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (source->fd < 0) return nullptr;
  struct stat info {};
  if (fstat(source->fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return nullptr;
  source->size = static_cast<std::uint64_t>(info.st_size);
  return source;
}

}  // namespace

std::unique_ptr<Recording> Recording::open(const SndfileLibrary& sndfile, const std::string& path) {
  std::unique_ptr<Source> source = open_regular_file(path);
  if (!source) return nullptr;
  std::optional<RiffLayout> layout = read_riff_layout(
      [&](std::uint64_t offset, void* buffer, std::size_t size) {
        return source->read_file(offset, static_cast<std::uint8_t*>(buffer), size);
      },
      source->size);
  if (!layout) return nullptr;
  source->layout = std::move(*layout);

  std::unique_ptr<Recording> recording(new Recording(sndfile, std::move(source)));
  SF_VIRTUAL_IO io = virtual_io();
  SF_INFO info{};
  recording->file_ = sndfile.open_virtual(&io, SFM_READ, &info, recording->source_.get());
  if (recording->file_ == nullptr) return nullptr;

  const int major = info.format & SF_FORMAT_TYPEMASK;
  if ((major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) || info.samplerate < 1 ||
      info.samplerate > kMaxRate || info.channels < 1 || info.channels > kMaxChannels) {
    return nullptr;
  }
  // Each kind of sample as SDL plays it unchanged: 8-bit files as unsigned
  // bytes, 24-bit ones widened to 32 bits, compressed ones as 16-bit.
  switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
      recording->reading_ = Reading::ShortToUnsigned8;
      recording->format_.format = AUDIO_U8;
      break;
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
      recording->reading_ = Reading::Int;
      recording->format_.format = AUDIO_S32SYS;
      break;
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
      recording->reading_ = Reading::Float;
      recording->format_.format = AUDIO_F32SYS;
      break;
    default:
      recording->reading_ = Reading::Short;
      recording->format_.format = AUDIO_S16SYS;
      break;
  }
  recording->format_.channels = info.channels;
  recording->format_.rate = info.samplerate;
  return recording;
}

void Recording::read_as_float() {
  reading_ = Reading::Float;
  format_.format = AUDIO_F32SYS;
}

Recording::Recording(const SndfileLibrary& sndfile, std::unique_ptr<Source> source)
    : sndfile_(sndfile), source_(std::move(source)) {}

Recording::~Recording() {
  if (file_ != nullptr) sndfile_.close(file_);
}

const std::vector<std::uint8_t>& Recording::read(std::size_t frames) {
  // Room for the widest sample libsndfile writes, whatever this file's is.
  samples_.resize(frames * static_cast<std::size_t>(format_.channels) * sizeof(std::int32_t));
  const auto wanted = static_cast<sf_count_t>(frames);
  sf_count_t got = 0;
  switch (reading_) {
    case Reading::Short:
    case Reading::ShortToUnsigned8:
      got = sndfile_.readf_short(file_, reinterpret_cast<short*>(samples_.data()), wanted);
      break;
    case Reading::Int:
      got = sndfile_.readf_int(file_, reinterpret_cast<int*>(samples_.data()), wanted);
      break;
    case Reading::Float:
      got = sndfile_.readf_float(file_, reinterpret_cast<float*>(samples_.data()), wanted);
      break;
  }
  const std::size_t count = static_cast<std::size_t>(std::max<sf_count_t>(got, 0)) * format_.channels;
  if (reading_ == Reading::ShortToUnsigned8) {
    // Each byte lands at or before the short it comes from, already read.
    for (std::size_t i = 0; i < count; ++i) {
      std::int16_t sample;
      std::memcpy(&sample, samples_.data() + 2 * i, sizeof sample);
      samples_[i] = static_cast<std::uint8_t>((sample >> 8) + 128);
    }
  }
  samples_.resize(count * static_cast<std::size_t>(SDL_AUDIO_BITSIZE(format_.format) / 8));
  return samples_;
}

}  // namespace rt
