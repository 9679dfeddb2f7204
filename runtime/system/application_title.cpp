// Compiled into each program that sets its title, with C01_APP_TITLE defined.
#include "runtime/system/application_title.h"

#ifndef C01_APP_TITLE
#error "C01_APP_TITLE must be defined: use c01_application_title()"
#endif

namespace rt {

const char* application_title_text() { return C01_APP_TITLE; }

}  // namespace rt
