// The title of a program that sets none; a program's own definition wins.
#include "runtime/system/application_title.h"

namespace rt {

[[gnu::weak]] const char* application_title_text() { return ""; }

}  // namespace rt
