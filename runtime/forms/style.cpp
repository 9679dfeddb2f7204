#include "runtime/forms/style.h"

#include <QPixmap>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include <algorithm>
#include "runtime/core/error.h"
#include "runtime/pictures/pixels.h"

namespace rt::forms {
namespace {

// The system colours by index, with the values of the classic Windows scheme.
constexpr std::array<QRgb, 25> kSystemColours{
    qRgb(192, 192, 192),  // 0 scroll bar
    qRgb(0, 128, 128),    // 1 desktop
    qRgb(0, 0, 128),      // 2 active caption
    qRgb(128, 128, 128),  // 3 inactive caption
    qRgb(192, 192, 192),  // 4 menu
    qRgb(255, 255, 255),  // 5 window background
    qRgb(0, 0, 0),        // 6 window frame
    qRgb(0, 0, 0),        // 7 menu text
    qRgb(0, 0, 0),        // 8 window text
    qRgb(255, 255, 255),  // 9 caption text
    qRgb(192, 192, 192),  // 10 active border
    qRgb(192, 192, 192),  // 11 inactive border
    qRgb(128, 128, 128),  // 12 application workspace
    qRgb(0, 0, 128),      // 13 highlight
    qRgb(255, 255, 255),  // 14 highlight text
    qRgb(192, 192, 192),  // 15 button face
    qRgb(128, 128, 128),  // 16 button shadow
    qRgb(128, 128, 128),  // 17 grey text
    qRgb(0, 0, 0),        // 18 button text
    qRgb(192, 192, 192),  // 19 inactive caption text
    qRgb(255, 255, 255),  // 20 button highlight
    qRgb(0, 0, 0),        // 21 dark shadow
    qRgb(192, 192, 192),  // 22 light edge
    qRgb(0, 0, 0),        // 23 tooltip text
    qRgb(255, 255, 225),  // 24 tooltip background
};

// The platform's Japanese faces and the installed fonts that stand in for them.
constexpr std::array<std::pair<std::u16string_view, const char*>, 3> kFaces{{
    {u"ＭＳ ゴシック", "IPAGothic"},
    {u"ＭＳ 明朝", "IPAMincho"},
    {u"MS UI Gothic", "IPAPGothic"},
}};

}  // namespace

int to_pixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect to_pixels(float left, float top, float width, float height) {
  return {to_pixels(left), to_pixels(top), to_pixels(width), to_pixels(height)};
}

QColor to_qcolor(definition::Colour colour) {
  if (!colour.is_system()) return QColor(colour.red(), colour.green(), colour.blue());
  const std::uint8_t index = colour.system_index();
  if (index >= kSystemColours.size()) {
    raise(ErrorNumber::InvalidPropertyValue, "システムカラー " + std::to_string(index) + " はありません");
  }
  return QColor(kSystemColours[index]);
}

QFont to_qfont(const definition::Font& font) {
  QString family = QString::fromStdU16String(font.face);
  for (const auto& [face, substitute] : kFaces) {
    if (font.face == face) family = QString::fromLatin1(substitute);
  }
  QFont result(family);
  // Ten-thousandths of a point to pixels at 96 dpi, rounded.
  result.setPixelSize(static_cast<int>((static_cast<std::uint64_t>(font.size_e4) * 96 + 360000) / 720000));
  result.setWeight(static_cast<QFont::Weight>(std::clamp<int>(font.weight, 1, 1000)));
  result.setItalic((font.style & 2) != 0);
  result.setUnderline((font.style & 4) != 0);
  result.setStrikeOut((font.style & 8) != 0);
  return result;
}

QFont interface_font() {
  definition::Font font;
  font.face = u"MS UI Gothic";
  font.size_e4 = 90000;
  return to_qfont(font);
}

QImage to_qimage(const definition::Picture& picture, std::string_view owner) {
  auto pixels = std::make_unique<pictures::Pixels>();
  try {
    *pixels = pictures::decode(picture.file);
  } catch (const pictures::PictureError& error) {
    raise(ErrorNumber::InvalidPropertyValue, std::string(owner) + " の絵を読めません（" + error.what() + "）");
  }
  if (pixels->width <= 0 || pixels->height <= 0) return {};
  // A bitmap is opaque, and draws fastest without an alpha channel; an
  // icon has its mask.
  const bool opaque = picture.file.size() >= 2 && picture.file[0] == 'B' && picture.file[1] == 'M';
  // The image takes over the decoded rows instead of copying them.
  auto* owned = pixels.release();
  return QImage(
      reinterpret_cast<uchar*>(owned->argb.data()), owned->width, owned->height,
      static_cast<qsizetype>(owned->width) * 4, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32,
      [](void* rows) { delete static_cast<pictures::Pixels*>(rows); }, owned);
}

QCursor to_qcursor(const QImage& icon) {
  return QCursor(QPixmap::fromImage(icon), icon.width() / 2, icon.height() / 2);
}

}  // namespace rt::forms
