#pragma once
// Splitting a start command into the program and its argument text, by the
// rule of the original platform: a program path in double quotes runs to the
// closing quote, otherwise to the first blank; the one blank after it
// separates, and everything after that is the argument text, kept as is.

#include <string>
#include <string_view>

namespace rt {

struct CommandParts {
  std::u16string program;
  std::u16string arguments;
};

CommandParts split_command(std::u16string_view command);

}  // namespace rt
