#pragma once
// The platform of the running program on Linux.

#include "runtime/system/platform.h"

namespace rt {

Platform& posix_platform();

}  // namespace rt
