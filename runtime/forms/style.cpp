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

struct SystemColour {
  std::uint8_t index;
  QRgb rgb;
};

// The system colours the stored controls name or default to, with the
// values of the classic Windows scheme.
constexpr std::array kSystemColours{
    SystemColour{5, qRgb(255, 255, 255)},   // window background
    SystemColour{8, qRgb(0, 0, 0)},         // window text
    SystemColour{9, qRgb(255, 255, 255)},   // caption text
    SystemColour{13, qRgb(0, 0, 128)},      // highlight
    SystemColour{14, qRgb(255, 255, 255)},  // highlight text
    SystemColour{15, qRgb(192, 192, 192)},  // button face
    SystemColour{18, qRgb(0, 0, 0)},        // button text
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
  for (const SystemColour& entry : kSystemColours) {
    if (entry.index == colour.system_index()) return QColor(entry.rgb);
  }
  return QColor(Qt::black);
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
