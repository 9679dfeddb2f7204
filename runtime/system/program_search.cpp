#include "runtime/system/program_search.h"

#include <unistd.h>

#include <array>
#include <cstdlib>

#include "runtime/system/windows_path.h"

namespace rt {
namespace {

struct StandInRow {
  std::string_view platform_path;  // translated, compared ignoring case
  std::string_view description;
  std::array<std::string_view, 4> candidates;  // first installed one wins
};

// The volume control sits on the system drive's root in "Windows\".
constexpr StandInRow kStandIns[] = {
    {"/Windows/Sndvol32.exe", "音量ミキサー", {"pavucontrol", "pavucontrol-qt", "pwvucontrol", "mate-volume-control"}},
};

}  // namespace

std::optional<std::string> find_on_path(std::string_view name) {
  const char* search = std::getenv("PATH");
  const std::string_view folders = search != nullptr ? search : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    const size_t colon = std::min(folders.find(':', start), folders.size());
    const std::string_view folder = folders.substr(start, colon - start);
    start = colon + 1;
    // An empty or relative entry would search the current folder, which is
    // the course's program folder: whatever lies there would be run.
    if (!folder.starts_with('/')) continue;
    const std::string candidate = std::string(folder) + "/" + std::string(name);
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

std::optional<StandIn> platform_program_stand_in(std::string_view translated_path) {
  for (const StandInRow& row : kStandIns) {
    if (!equal_ignoring_ascii_case(row.platform_path, translated_path)) continue;
    StandIn stand_in{std::string(row.description), std::nullopt};
    for (std::string_view candidate : row.candidates) {
      if ((stand_in.program = find_on_path(candidate))) break;
    }
    return stand_in;
  }
  return std::nullopt;
}

}  // namespace rt
