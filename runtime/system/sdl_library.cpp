#include "runtime/system/sdl_library.h"

#include "runtime/system/library_binding.h"

namespace rt {

const SdlLibrary* sdl_library() {
  // SDL2's ABI name, the same for every SDL 2 release.
  static const SdlLibrary* const library =
      load_library<SdlLibrary>("libSDL2-2.0.so.0", [](void* handle, SdlLibrary& table) {
#define C01_SDL_BIND(name) &&bind_function(handle, "SDL_" #name, table.name)
        return true C01_SDL_FUNCTIONS(C01_SDL_BIND);
#undef C01_SDL_BIND
      });
  return library;
}

}  // namespace rt
