#pragma once
// Finding the Linux programs that stand in for programs of the original
// platform, in the folders of the PATH list, the absolute ones only.

#include <optional>
#include <string>
#include <string_view>

namespace rt {

// The full path of an executable program of that name on the search path.
std::optional<std::string> find_on_path(std::string_view name);

// For a program of the original platform (given as a translated path), the
// installed Linux program that stands in for it. Nothing for other paths.
struct StandIn {
  std::string description;             // for the error when none is installed
  std::optional<std::string> program;  // the installed stand-in, if any
};
std::optional<StandIn> platform_program_stand_in(std::string_view translated_path);

}  // namespace rt
