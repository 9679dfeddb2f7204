#include "runtime/core/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <iterator>
#include <string>

#include "runtime/core/byte_reader.h"

namespace rt {
namespace {

enum class Direction { to_cp932, from_cp932, to_utf8, from_utf8 };

struct Encodings {
  const char* to;
  const char* from;
};

constexpr Encodings encodings[] = {
    {"CP932", "UTF-16LE"}, {"UTF-16LE", "CP932"}, {"UTF-8", "UTF-16LE"}, {"UTF-16LE", "UTF-8"}};

const iconv_t no_converter = reinterpret_cast<iconv_t>(-1);

// An iconv converter kept open for the thread that opened it: opening one
// costs more than most conversions, and a converter is not safe to share
// between threads (pictures are decoded on a worker thread).
class OpenConverter {
 public:
  OpenConverter() = default;
  OpenConverter(const OpenConverter&) = delete;
  OpenConverter& operator=(const OpenConverter&) = delete;
  ~OpenConverter() {
    if (cd_ != no_converter) iconv_close(cd_);
  }

  // The converter in its initial state, whatever an earlier call (which may
  // have stopped at an error) left in it.
  iconv_t ready(const Encodings& e) {
    if (cd_ == no_converter) {
      cd_ = iconv_open(e.to, e.from);
      if (cd_ == no_converter) throw EncodingError(std::string("no converter from ") + e.from + " to " + e.to, 0);
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_ = no_converter;
};

iconv_t converter(Direction direction) {
  thread_local OpenConverter open[std::size(encodings)];
  const auto index = static_cast<std::size_t>(direction);
  return open[index].ready(encodings[index]);
}

// One conversion through iconv. Input and output are byte strings; a
// character that cannot be converted or an incomplete sequence is an error
// at its position, counted in input units of `unit` bytes.
std::string convert(Direction direction, const char* data, size_t size, size_t unit) {
  const iconv_t cd = converter(direction);
  std::string out(size * 4 + 16, '\0');
  char* in_ptr = const_cast<char*>(data);
  size_t in_left = size;
  char* out_ptr = out.data();
  size_t out_left = out.size();
  while (in_left > 0) {
    size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      size_t used = out.size() - out_left;
      out.resize(out.size() * 2);
      out_ptr = out.data() + used;
      out_left = out.size() - used;
      continue;
    }
    size_t position = (size - in_left) / unit;
    throw EncodingError(errno == EILSEQ ? std::string("cannot convert character at ") +
                                              std::to_string(position) + " to " +
                                              encodings[static_cast<std::size_t>(direction)].to
                                        : std::string("incomplete character at ") +
                                              std::to_string(position),
                        position);
  }
  // Flush any shift state (none for these encodings, but cheap and correct).
  iconv(cd, nullptr, nullptr, &out_ptr, &out_left);
  out.resize(out.size() - out_left);
  return out;
}

std::u16string bytes_to_u16(const std::string& bytes) {
  ByteReader in({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, 0, "UTF-16 text");
  std::u16string text(bytes.size() / 2, u'\0');
  for (char16_t& unit : text) unit = static_cast<char16_t>(in.u16("a UTF-16 unit"));
  return text;
}

std::string u16_to_bytes(std::u16string_view text) {
  std::string bytes(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return bytes;
}

}  // namespace

std::string to_cp932(std::u16string_view text) {
  std::string in = u16_to_bytes(text);
  return convert(Direction::to_cp932, in.data(), in.size(), 2);
}

std::u16string from_cp932(std::string_view bytes) {
  return bytes_to_u16(convert(Direction::from_cp932, bytes.data(), bytes.size(), 1));
}

std::string to_utf8(std::u16string_view text) {
  std::string in = u16_to_bytes(text);
  return convert(Direction::to_utf8, in.data(), in.size(), 2);
}

std::u16string from_utf8(std::string_view text) {
  return bytes_to_u16(convert(Direction::from_utf8, text.data(), text.size(), 1));
}

}  // namespace rt
