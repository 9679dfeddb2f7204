#include "runtime/system/command_line.h"

#include "runtime/system/windows_path.h"

namespace rt {
namespace {

CommandParts split_at(std::u16string_view program, std::u16string_view rest) {
  if (rest.starts_with(u' ')) rest.remove_prefix(1);
  return {std::u16string(program), std::u16string(rest)};
}

}  // namespace

std::vector<CommandParts> command_readings(std::u16string_view command) {
  if (command.starts_with(u'"')) {
    const size_t close = command.find(u'"', 1);
    if (close == std::u16string_view::npos) return {split_at(command.substr(1), {})};
    return {split_at(command.substr(1, close - 1), command.substr(close + 1))};
  }
  std::vector<CommandParts> readings{split_at(command, {})};
  for (size_t blank = command.rfind(u' '); blank != std::u16string_view::npos && blank > 0;
       blank = command.rfind(u' ', blank - 1)) {
    readings.push_back(split_at(command.substr(0, blank), command.substr(blank)));
  }
  // A program named with its extension ends there: were it missing, a
  // shorter reading could start some other program that happens to exist.
  for (CommandParts& reading : readings) {
    if (names_exe(reading.program)) return {std::move(reading)};
  }
  return readings;
}

}  // namespace rt
