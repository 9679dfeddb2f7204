#include "runtime/system/sdl_library.h"

#include <dlfcn.h>

namespace rt {
namespace {

// SDL2's ABI name, the same for every SDL 2 release.
constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

template <typename Function>
bool bind(void* library, const char* name, Function& slot) {
  void* address = dlsym(library, name);
  slot = reinterpret_cast<Function>(address);
  return address != nullptr;
}

const SdlLibrary* load() {
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  static SdlLibrary loaded;
#define C01_SDL_BIND(name) &&bind(library, "SDL_" #name, loaded.name)
  const bool complete = true C01_SDL_FUNCTIONS(C01_SDL_BIND);
#undef C01_SDL_BIND
  return complete ? &loaded : nullptr;
}

}  // namespace

const SdlLibrary* sdl_library() {
  static const SdlLibrary* const library = load();
  return library;
}

}  // namespace rt
