// Icons read when first drawn look as the style's own would.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "runtime/forms/deferred_icon_style.h"

namespace forms_test {
namespace {

using rt::forms::DeferredIconStyle;

TEST(DeferredIconStyle, ExtensionIconsDrawAsTheStylesOwn) {
  DeferredIconStyle style;
  const QStyle& deferred = style;
  const QStyle& base = *style.baseStyle();
  struct Case {
    QSize size;
    qreal scale;
  };
  const Case cases[] = {{{16, 16}, 1.0}, {{32, 32}, 1.0}, {{16, 16}, 2.0}, {{12, 20}, 1.5}};
  for (const QStyle::StandardPixmap which :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    const QIcon own = base.standardIcon(which);
    const QIcon later = deferred.standardIcon(which);
    ASSERT_FALSE(own.isNull());
    EXPECT_FALSE(later.isNull());
    EXPECT_EQ(later.availableSizes(), own.availableSizes());
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << which << " at " << c.size.width() << "x" << c.size.height() << " scale "
                                      << c.scale);
      const QPixmap expected = own.pixmap(c.size, c.scale);
      const QPixmap drawn = later.pixmap(c.size, c.scale);
      EXPECT_EQ(drawn.devicePixelRatio(), expected.devicePixelRatio());
      EXPECT_EQ(drawn.toImage(), expected.toImage());
    }
  }
}

}  // namespace
}  // namespace forms_test
