#include "runtime/forms/windowless.h"

#include <QFontMetrics>
#include <QRegion>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "runtime/forms/client_area.h"
#include "runtime/forms/picture_cache.h"
#include "runtime/forms/stored.h"
#include "runtime/forms/style.h"

namespace rt::forms {
namespace {

using definition::Colour;
using definition::Position;

const Colour kButtonFace = Colour::system(15);
const Colour kButtonText = Colour::system(18);
const Colour kWindowText = Colour::system(8);

// Stored Alignment: 0 left, 1 right, 2 centre.
int to_qt_alignment(std::uint8_t stored) {
  switch (stored) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

}  // namespace

Windowless::Windowless(const definition::Record& record, ClientArea& area)
    : Control(record.name, record.type), area_(area) {
  area_.add(*this);
}

Windowless::~Windowless() { area_.remove(*this); }

void Windowless::repaint() {
  const QRect now = shown() ? bounds() : QRect();
  area_.update(painted_ ? now.united(*painted_) : now);
  painted_ = now;
}

// Label

LabelControl::LabelControl(const definition::Record& record, ClientArea& area, const QFont& form_font)
    : PropertiesByName(record, area),
      caption_(stored_or<std::u16string>(record, "Caption", {})),
      back_colour_(to_qcolor(stored_or(record, "BackColor", kButtonFace))),
      fore_colour_(to_qcolor(stored_or(record, "ForeColor", kButtonText))),
      font_(stored<definition::Font>(record, "Font") ? to_qfont(*stored<definition::Font>(record, "Font"))
                                                     : form_font),
      opaque_(stored_or<std::uint8_t>(record, "BackStyle", 1) != 0),
      border_(stored_or<std::uint8_t>(record, "BorderStyle", 0) == 1),
      alignment_(to_qt_alignment(stored_or<std::uint8_t>(record, "Alignment", 0))),
      auto_size_(stored_or(record, "AutoSize", false)) {
  place(stored_or(record, "Position", Position{}));
  if (auto_size_) fit_to_caption();
}

const std::array<PropertyRow<LabelControl>, 1> LabelControl::kRows{{
    {"Caption", &LabelControl::Caption, &LabelControl::set_Caption},
}};

void LabelControl::set_Caption(const Variant& value) {
  caption_ = value.to_text();
  if (auto_size_) fit_to_caption();
  repaint();
}

QString LabelControl::display_text() const {
  QString text = QString::fromStdU16String(caption_);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// A self-sizing label is exactly as large as its lines of text.
void LabelControl::fit_to_caption() {
  const QFontMetrics metrics(font_);
  const QStringList lines = display_text().split(QLatin1Char('\n'));
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int frame = border_ ? 2 : 0;
  set_size(static_cast<float>(widest + frame) * kTwipsPerPixel,
           static_cast<float>(metrics.height() * lines.size() + frame) * kTwipsPerPixel);
}

void LabelControl::paint(QPainter& painter) const {
  const QRect rect = pixel_rect();
  painter.save();
  painter.setClipRect(rect);
  if (opaque_) painter.fillRect(rect, back_colour_);
  QRect text_area = rect;
  if (border_) {
    painter.setPen(Qt::black);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    text_area.adjust(1, 1, -1, -1);
  }
  painter.setFont(font_);
  painter.setPen(fore_colour_);
  painter.drawText(text_area, alignment_ | Qt::AlignTop, display_text());
  painter.restore();
}

// Image

ImageControl::ImageControl(const definition::Record& record, ClientArea& area, PictureCache& pictures)
    : PropertiesByName(record, area),
      pictures_(pictures),
      stored_picture_(stored<definition::Picture>(record, "Picture")),
      tooltip_(stored_or<std::u16string>(record, "ToolTipText", {})) {
  place(stored_or(record, "Position", Position{}));
  set_Visible(stored_or(record, "Visible", true));
  const auto* icon = stored<definition::Picture>(record, "MouseIcon");
  if (stored_or<std::uint8_t>(record, "MousePointer", 0) == 99 && icon != nullptr) {
    pointer_icon_ = pictures_.image(*icon, name());
  }
}

// Decoded before the image is shown, so that a picture that cannot be decoded
// fails the write and leaves the image hidden.
void ImageControl::set_Visible(const Variant& value) {
  if (value.to_bool() && !picture_) decode_picture();
  Placed::set_Visible(value);
}

const QCursor* ImageControl::cursor() const {
  if (!pointer_icon_) return nullptr;
  if (!pointer_) pointer_ = to_qcursor(*pointer_icon_);
  return &*pointer_;
}

void ImageControl::decode_picture() {
  picture_ = stored_picture_ != nullptr ? pictures_.image(*stored_picture_, name()) : QImage();
}

void ImageControl::connect(Event event, std::function<void()> handler) {
  if (event != Event::Click) no_such_event();
  on_click_ = std::move(handler);
}

const std::array<PropertyRow<ImageControl>, 1> ImageControl::kRows{{
    {"ToolTipText", &ImageControl::ToolTipText, &ImageControl::set_ToolTipText},
}};

// The picture at the control's top left, unscaled, cut to the control's size.
void ImageControl::paint(QPainter& painter) const {
  const QRect rect = pixel_rect();
  painter.save();
  painter.setClipRect(rect);
  if (picture_) painter.drawImage(rect.topLeft(), *picture_);
  painter.restore();
}

// Line

LineControl::LineControl(const definition::Record& record, ClientArea& area)
    : PropertiesByName(record, area),
      x1_(static_cast<float>(stored_or<std::int32_t>(record, "X1", 0))),
      y1_(static_cast<float>(stored_or<std::int32_t>(record, "Y1", 0))),
      x2_(static_cast<float>(stored_or<std::int32_t>(record, "X2", 0))),
      y2_(static_cast<float>(stored_or<std::int32_t>(record, "Y2", 0))) {}

const std::array<PropertyRow<LineControl>, 5> LineControl::kRows{{
    {"X1", &LineControl::X1, &LineControl::set_X1},
    {"Y1", &LineControl::Y1, &LineControl::set_Y1},
    {"X2", &LineControl::X2, &LineControl::set_X2},
    {"Y2", &LineControl::Y2, &LineControl::set_Y2},
    {"Visible", &LineControl::Visible, &LineControl::set_Visible},
}};

// Both end points included, whichever way the line runs (QRect::normalized
// would leave them out of a line drawn up or to the left).
QRect LineControl::bounds() const {
  const int x1 = to_pixels(x1_), y1 = to_pixels(y1_), x2 = to_pixels(x2_), y2 = to_pixels(y2_);
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// The platform draws a line without its last point: Qt's line, its last
// pixel cut away.
void LineControl::paint(QPainter& painter) const {
  const QPoint from(to_pixels(x1_), to_pixels(y1_));
  const QPoint to(to_pixels(x2_), to_pixels(y2_));
  painter.save();
  painter.setClipRegion(QRegion(bounds()).subtracted(QRegion(to.x(), to.y(), 1, 1)), Qt::IntersectClip);
  painter.setPen(QPen(to_qcolor(kWindowText), 1));
  painter.drawLine(from, to);
  painter.restore();
}

}  // namespace rt::forms
