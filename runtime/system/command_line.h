#pragma once
// Reading a start command as a program and its argument text, by the rule of
// the original platform: a program path in double quotes runs to the closing
// quote; an unquoted command may end its program at any blank, so that a
// folder name with blanks still names its program. The one blank after the
// program separates; everything after it is the argument text, kept as is.

#include <string>
#include <string_view>
#include <vector>

namespace rt {

struct CommandParts {
  std::u16string program;
  std::u16string arguments;
};

// Every reading, in the order they are tried: the one reading of a quoted
// program, or for an unquoted command the whole text first and then each
// shorter program ending at a blank. The longest program that exists is
// thus the one started, never a shorter file that happens to exist. Where
// a reading's program ends in ".EXE" (any case), the longest such reading
// is the only one.
std::vector<CommandParts> command_readings(std::u16string_view command);

}  // namespace rt
