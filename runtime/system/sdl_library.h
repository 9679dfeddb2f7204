#pragma once
// The SDL2 functions the sound stand-in calls, loaded from the library when
// the first sound plays instead of with the program: SDL and the thirty-odd
// libraries it links take about 10 ms to load and relocate, which every start
// would otherwise pay before its window shows.

#include <SDL2/SDL.h>

namespace rt {

#define C01_SDL_FUNCTIONS(X)                                                                                 \
  X(InitSubSystem) X(QuitSubSystem) X(SetHint) X(GetError) X(OpenAudioDevice) X(CloseAudioDevice)             \
  X(PauseAudioDevice) X(GetAudioDeviceStatus) X(ClearQueuedAudio) X(QueueAudio) X(GetQueuedAudioSize)

struct SdlLibrary {
#define C01_SDL_MEMBER(name) decltype(&SDL_##name) name = nullptr;
  C01_SDL_FUNCTIONS(C01_SDL_MEMBER)
#undef C01_SDL_MEMBER
};

// SDL's functions, loaded on the first call; nullptr when the library or one
// of them is missing. The library stays loaded until the program ends.
const SdlLibrary* sdl_library();

}  // namespace rt
