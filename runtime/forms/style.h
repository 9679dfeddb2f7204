#pragma once
// Stored colours, fonts and pictures turned into what Qt draws with.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <string_view>

#include "runtime/definition/model.h"

namespace rt::forms {

// Lengths are twips, 15 to the pixel at the page's design resolution.
inline constexpr float kTwipsPerPixel = 15.0f;
int to_pixels(float twips);
QRect to_pixels(float left, float top, float width, float height);

// A fixed colour, or a system colour of the classic Windows scheme; raises
// InvalidPropertyValue for a system colour the scheme lacks.
QColor to_qcolor(definition::Colour colour);

// The stored face mapped to an installed substitute; points at 96 dpi.
QFont to_qfont(const definition::Font& font);
// The platform's font for menus and other text of its own: MS UI Gothic at
// 9 points, through the same stand-in. A Japanese menu in a Latin font would
// also cost every start a search of the system's fonts for its characters.
QFont interface_font();

// Decodes a stored BMP or ICO; raises InvalidPropertyValue naming the owner
// when the file cannot be decoded.
QImage to_qimage(const definition::Picture& picture, std::string_view owner);

// A mouse icon as a pointer, its hot spot in the middle of the icon.
QCursor to_qcursor(const QImage& icon);

}  // namespace rt::forms
