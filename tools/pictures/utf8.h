#pragma once
// UTF-8 text of the drawer's own data, decoded to code points.

#include <string>
#include <string_view>

namespace draw {

// Throws std::runtime_error on a malformed sequence.
std::u32string decode_utf8(std::string_view text);

}  // namespace draw
