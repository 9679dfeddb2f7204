#pragma once
// A text for an error message, in the corner brackets 「」 that quote in
// Japanese, and UTF-8. Never fails: a unit that is no valid UTF-16 (a lone
// surrogate) shows as U+FFFD.

#include <string>
#include <string_view>

namespace rt {

std::string quoted_for_message(std::u16string_view text);

}  // namespace rt
