#pragma once
// The path of the running program's own file, whatever its length.

#include <optional>
#include <string>

namespace rt {

// Nothing when it cannot be found.
std::optional<std::string> program_file_path();

}  // namespace rt
