#pragma once
// The libsndfile functions the sound stand-in calls, loaded with the first
// sound as SDL is: libsndfile links the codecs of a dozen formats, which a
// start would otherwise pay for before its window shows.

#include <sndfile.h>

namespace rt {

#define C01_SNDFILE_FUNCTIONS(X) X(open_virtual) X(close) X(readf_short) X(readf_int) X(readf_float)

struct SndfileLibrary {
#define C01_SNDFILE_MEMBER(name) decltype(&sf_##name) name = nullptr;
  C01_SNDFILE_FUNCTIONS(C01_SNDFILE_MEMBER)
#undef C01_SNDFILE_MEMBER
};

// libsndfile's functions, loaded on the first call; nullptr when the library
// or one of them is missing. The library stays loaded until the program ends.
const SndfileLibrary* sndfile_library();

}  // namespace rt
