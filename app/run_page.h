#pragma once
// The program's work once Qt stands: the page window built from the stored
// definition block, loaded, shown and run until the program ends.

#include "runtime/definition/model.h"

namespace app {

// Returns the exit status. A block that cannot be read, or a window that
// cannot be built from it, is reported (stderr and a message box) and gives 1.
int run_page(rt::definition::Bytes block);

}  // namespace app
