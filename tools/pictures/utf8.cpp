#include "tools/pictures/utf8.h"

#include <stdexcept>

namespace draw {

std::u32string decode_utf8(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra))
      throw std::runtime_error("malformed UTF-8 at byte " + std::to_string(i));
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next >> 6) != 2) throw std::runtime_error("malformed UTF-8 at byte " + std::to_string(i));
      c = c << 6 | (next & 0x3F);
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace draw
