#include "runtime/core/message_text.h"

#include "runtime/core/cp932.h"

namespace rt {

std::string quoted_for_message(std::u16string_view text) {
  std::u16string clean(text);
  for (size_t i = 0; i < clean.size(); ++i) {
    const bool high = clean[i] >= 0xD800 && clean[i] <= 0xDBFF;
    const bool low = clean[i] >= 0xDC00 && clean[i] <= 0xDFFF;
    const bool paired = high && i + 1 < clean.size() && clean[i + 1] >= 0xDC00 && clean[i + 1] <= 0xDFFF;
    if (paired) {
      ++i;
    } else if (high || low) {
      clean[i] = u'\xFFFD';
    }
  }
  return "「" + to_utf8(clean) + "」";
}

}  // namespace rt
