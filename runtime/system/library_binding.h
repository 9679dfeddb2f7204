#pragma once
// Binding a library's functions by name at run time, for the libraries the
// sound stand-in loads with the first sound rather than with the program.

#include <dlfcn.h>

namespace rt {

// Looks up one function and stores it in `slot`; false when it is missing.
template <typename Function>
bool bind_function(void* library, const char* name, Function& slot) {
  void* address = dlsym(library, name);
  slot = reinterpret_cast<Function>(address);
  return address != nullptr;
}

// Loads the library and fills its table with bind_all(library, table);
// nullptr when the library or one of its functions is missing. The library
// stays loaded until the program ends.
template <typename Table, typename BindAll>
const Table* load_library(const char* name, BindAll bind_all) {
  void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  static Table loaded;
  return bind_all(library, loaded) ? &loaded : nullptr;
}

}  // namespace rt
