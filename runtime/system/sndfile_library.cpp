#include "runtime/system/sndfile_library.h"

#include "runtime/system/library_binding.h"

namespace rt {

const SndfileLibrary* sndfile_library() {
  // libsndfile's ABI name since version 1.0.
  static const SndfileLibrary* const library =
      load_library<SndfileLibrary>("libsndfile.so.1", [](void* handle, SndfileLibrary& table) {
#define C01_SNDFILE_BIND(name) &&bind_function(handle, "sf_" #name, table.name)
        return true C01_SNDFILE_FUNCTIONS(C01_SNDFILE_BIND);
#undef C01_SNDFILE_BIND
      });
  return library;
}

}  // namespace rt
