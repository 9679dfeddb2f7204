// Recordings come from the course folder: whatever bytes a file holds, the
// chunk headers are read within it, the decoder is shown only the chunks
// that say how to play, and decoding ends.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/system/recording.h"
#include "runtime/system/sndfile_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rt::SndfileLibrary* sndfile = rt::sndfile_library();
  if (sndfile == nullptr) std::abort();
  const int file = memfd_create("recording", MFD_CLOEXEC);
  if (file < 0 || write(file, data, size) != static_cast<ssize_t>(size)) std::abort();
  if (auto recording = rt::Recording::open(*sndfile, "/proc/self/fd/" + std::to_string(file))) {
    if (size % 2 == 1) recording->read_as_float();
    const std::size_t frame = static_cast<std::size_t>(recording->format().frame_bytes());
    // No file yields more frames than it could hold at one bit each, the
    // header and pad bytes of our making counted too.
    std::size_t frames = 0;
    for (std::size_t piece; (piece = recording->read(64).size() / frame) > 0;) {
      frames += piece;
      if (frames > (size + 256) * 8 + 64) std::abort();
    }
  }
  close(file);
  return 0;
}
