// Plays the recording named by its argument and exits 0 when SDL and
// libsndfile were loaded by that sound and not before: 1 when one was
// loaded at start, 2 when the sound did not play, 3 when it played without
// them loaded.

#include <dlfcn.h>

#include "runtime/system/posix_platform.h"

namespace {

bool loaded(const char* library) { return dlopen(library, RTLD_NOW | RTLD_NOLOAD) != nullptr; }
bool any_loaded() { return loaded("libSDL2-2.0.so.0") || loaded("libsndfile.so.1"); }
bool both_loaded() { return loaded("libSDL2-2.0.so.0") && loaded("libsndfile.so.1"); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || any_loaded()) return 1;
  rt::PosixPlatform platform;
  if (platform.sndPlaySoundA(argv[1], 2) == 0) return 2;
  return both_loaded() ? 0 : 3;
}
