// Plays the recording named by its argument and exits 0 when SDL was loaded
// by that sound and not before: 1 when it was loaded at start, 2 when the
// sound did not play, 3 when it played without SDL loaded.

#include <dlfcn.h>

#include "runtime/system/posix_platform.h"

namespace {

bool sdl_loaded() { return dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD) != nullptr; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || sdl_loaded()) return 1;
  rt::PosixPlatform platform;
  if (platform.sndPlaySoundA(argv[1], 2) == 0) return 2;
  return sdl_loaded() ? 0 : 3;
}
