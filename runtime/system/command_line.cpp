#include "runtime/system/command_line.h"

namespace rt {

CommandParts split_command(std::u16string_view command) {
  std::u16string_view rest = command;
  std::u16string_view program;
  if (rest.starts_with(u'"')) {
    const size_t close = rest.find(u'"', 1);
    program = rest.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1);
    rest = close == std::u16string_view::npos ? std::u16string_view{} : rest.substr(close + 1);
  } else {
    const size_t blank = rest.find(u' ');
    program = rest.substr(0, blank);
    rest = blank == std::u16string_view::npos ? std::u16string_view{} : rest.substr(blank);
  }
  if (rest.starts_with(u' ')) rest.remove_prefix(1);
  return {std::u16string(program), std::u16string(rest)};
}

}  // namespace rt
