#pragma once
// Decoded pictures of one form. A definition repeats a picture in full for
// every control that shows it; byte-identical copies are decoded once and
// share their pixels. Large pictures can be decoded ahead, on a worker
// thread, while the window is being built.

#include <QImage>
#include <cstddef>
#include <future>
#include <string_view>
#include <unordered_map>

#include "runtime/definition/model.h"

namespace rt::forms {

class PictureCache {
 public:
  // The key pictures are filed under; copies share one, and so may pictures
  // that differ.
  using Hash = std::size_t (*)(definition::Bytes file);
  static std::size_t hash_of(definition::Bytes file);

  explicit PictureCache(Hash hash = hash_of) : hash_(hash) {}

  // Starts decoding the picture if it is large and not yet known.
  void prefetch(const definition::Picture& picture, std::string_view owner);
  // Raises InvalidPropertyValue naming the owner when the picture cannot be decoded.
  QImage image(const definition::Picture& picture, std::string_view owner);

 private:
  struct Entry {
    definition::Bytes file;
    std::shared_future<QImage> image;
  };
  Entry* find(definition::Bytes file, std::size_t key);
  Hash hash_;
  std::unordered_multimap<std::size_t, Entry> entries_;
};

}  // namespace rt::forms
