#pragma once
// The application title, fixed when a program is built: a program gets its
// own with the CMake function c01_application_title(target "C01_001"). One
// that sets none has an empty title.

namespace rt {

const char* application_title_text();

}  // namespace rt
