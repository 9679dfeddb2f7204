// Decoded pictures shared between byte-identical copies, and kept apart
// where only their keys agree.
#include <gtest/gtest.h>

#include <QImage>

#include "runtime/forms/picture_cache.h"
#include "tests/runtime/forms/definition_builder.h"

namespace forms_test {
namespace {

using rt::forms::PictureCache;

TEST(PictureCache, PicturesFiledUnderOneKeyEachShowTheirOwnPixels) {
  Builder builder;
  // Large enough to be decoded ahead, and two small ones decoded when asked for.
  const rt::definition::Picture pictures[] = {builder.bmp(80, 80, {255, 0, 0}), builder.bmp(2, 2, {0, 255, 0}),
                                              builder.bmp(2, 2, {0, 0, 255})};
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  PictureCache cache([](rt::definition::Bytes) -> std::size_t { return 7; });
  cache.prefetch(pictures[0], "imgRed");
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(testing::Message() << "round " << round << ", picture " << i);
      EXPECT_EQ(cache.image(pictures[i], "img").pixel(0, 0), colours[i]);
    }
  }
}

TEST(PictureCache, CopiesShareTheirPixels) {
  Builder builder;
  const rt::definition::Picture first = builder.bmp(2, 2, {0, 255, 0});
  const rt::definition::Picture copy = builder.bmp(2, 2, {0, 255, 0});
  PictureCache cache;
  EXPECT_EQ(cache.image(first, "imgA").constBits(), cache.image(copy, "imgB").constBits());
}

}  // namespace
}  // namespace forms_test
