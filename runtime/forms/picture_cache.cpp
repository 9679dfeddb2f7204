#include "runtime/forms/picture_cache.h"

#include <algorithm>
#include <functional>
#include <string>

#include "runtime/forms/style.h"

namespace rt::forms {
namespace {

// Below this a picture decodes faster than a thread starts.
constexpr std::size_t kPrefetchBytes = 16 * 1024;

}  // namespace

std::size_t PictureCache::hash_of(definition::Bytes file) {
  return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

PictureCache::Entry* PictureCache::find(definition::Bytes file, std::size_t key) {
  const auto [first, last] = entries_.equal_range(key);
  for (auto it = first; it != last; ++it) {
    if (std::equal(it->second.file.begin(), it->second.file.end(), file.begin(), file.end())) return &it->second;
  }
  return nullptr;
}

void PictureCache::prefetch(const definition::Picture& picture, std::string_view owner) {
  if (picture.file.size() < kPrefetchBytes) return;
  const std::size_t key = hash_(picture.file);
  if (find(picture.file, key) != nullptr) return;
  // The worker reads only the stored bytes; a failure waits in the future for image().
  std::shared_future<QImage> decoded =
      std::async(std::launch::async, [picture, owner = std::string(owner)] { return to_qimage(picture, owner); });
  entries_.emplace(key, Entry{picture.file, std::move(decoded)});
}

QImage PictureCache::image(const definition::Picture& picture, std::string_view owner) {
  const std::size_t key = hash_(picture.file);
  if (Entry* entry = find(picture.file, key)) return entry->image.get();
  std::promise<QImage> decoded;
  decoded.set_value(to_qimage(picture, owner));
  // The entry just made: a lookup by key could find another picture filed under it.
  return entries_.emplace(key, Entry{picture.file, decoded.get_future().share()})->second.image.get();
}

}  // namespace rt::forms
