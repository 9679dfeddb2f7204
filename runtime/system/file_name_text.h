#pragma once
// Linux file names as the page's texts, without loss. A Linux name is any
// bytes but '/' and NUL; the page's paths are UTF-16 texts with "\" between
// folders. Bytes that are valid UTF-8 become their characters; each byte
// that is not, and each backslash inside a name, becomes a lone low
// surrogate U+DC00 + byte, which valid UTF-8 never yields. The way back
// turns those into their bytes again, so a name passes through the page's
// texts and the Windows path translation unchanged.

#include <string>
#include <string_view>

namespace rt {

// A Linux path as a text of the page; "/" stays "/".
std::u16string text_of_file_name(std::string_view name);

// The bytes of a page's text, for a Linux path: a "\" in the text becomes
// "/", the escapes become their bytes. Raises FileNotFound for a text that
// holds a surrogate that is neither paired nor an escape.
std::string file_name_of_text(std::u16string_view text);

}  // namespace rt
