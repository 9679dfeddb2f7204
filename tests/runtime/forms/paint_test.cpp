// What the client area shows: the form's picture, then the windowless
// controls back to front, the windowed ones in front of all.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>
#include <QWidget>

#include "runtime/forms/client_area.h"
#include "runtime/forms/form.h"
#include "runtime/forms/style.h"
#include "tests/runtime/forms/definition_builder.h"

namespace forms_test {
namespace {

using rt::definition::Colour;
using rt::forms::Form;

QRgb pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }

TEST(FormPaint, ControlsOverlapInStreamOrder) {
  Builder b;
  b.set(b.window(), "Picture", b.bmp(40, 40, {255, 255, 0}));
  b.add(ControlType::VScrollBar, "vscFront", {{"Position", place(900, 900, 315, 600)}, {"TabIndex", std::int16_t{0}}});
  b.add(ControlType::Label, "lblClear", {{"Caption", std::u16string()}, {"Position", place(450, 450, 300, 300)}, {"BackStyle", std::uint8_t{0}}});
  b.add(ControlType::Image, "imgRed", {{"Picture", b.bmp(20, 20, {255, 0, 0})}, {"Position", place(0, 0, 300, 300)}});
  b.add(ControlType::Label, "lblBlue",
        {{"Position", place(150, 150, 1500, 1500)}, {"BackColor", Colour::rgb(0, 0, 255)}, {"BorderStyle", std::uint8_t{1}}});
  b.add(ControlType::Label, "lblWhite", {{"Position", place(0, 0, 3000, 3000)}, {"BackColor", Colour::system(5)}});
  Form form(b.definition);
  form.window().resize(300, 300);
  form.show();
  const QImage shot = form.client().grab().toImage();
  EXPECT_EQ(pixel(shot, 15, 15), qRgb(255, 0, 0));     // the image in front of the blue label
  EXPECT_EQ(pixel(shot, 25, 25), qRgb(0, 0, 255));     // the blue label in front of the white one
  EXPECT_EQ(pixel(shot, 10, 50), qRgb(0, 0, 0));       // the blue label's single border
  EXPECT_EQ(pixel(shot, 150, 150), qRgb(255, 255, 255));
  EXPECT_EQ(pixel(shot, 32, 32), qRgb(0, 0, 255));     // a transparent label shows what lies behind
  EXPECT_NE(pixel(shot, 62, 62), qRgb(0, 0, 255));     // the scroll bar in front of the labels
  form.control("imgRed").set("Visible", false);
  EXPECT_EQ(pixel(form.client().grab().toImage(), 15, 15), qRgb(0, 0, 255));
}

TEST(FormPaint, FormPictureIsDrawnUnscaledAtTheTopLeft) {
  Builder b;
  b.set(b.window(), "Picture", b.bmp(40, 30, {255, 255, 0}));
  Form form(b.definition);
  form.window().resize(200, 200);
  form.show();
  const QImage shot = form.client().grab().toImage();
  EXPECT_EQ(pixel(shot, 0, 0), qRgb(255, 255, 0));
  EXPECT_EQ(pixel(shot, 39, 29), qRgb(255, 255, 0));
  EXPECT_EQ(pixel(shot, 40, 10), qRgb(192, 192, 192));  // beyond it, the form's button-face colour
  EXPECT_EQ(pixel(shot, 10, 30), qRgb(192, 192, 192));
}

// A graphical button's picture, larger than its face, is centred on the
// face and cut to it: the border stays whole around it.
TEST(FormPaint, GraphicalButtonShowsItsPictureInsideItsBorder) {
  // Each pixel of the picture tells where it comes from.
  constexpr int kWidth = 24, kHeight = 22;
  auto from = [](int x, int y) { return rt::pictures::Rgb{static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(y * 10), 3}; };
  rt::pictures::RgbPicture picture{kWidth, kHeight, {}};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) picture.pixels.push_back(from(x, y));
  Builder b;
  b.add(ControlType::CommandButton, "cmdPlay",
        {{"Position", place(0, 0, 375, 375)}, {"TabIndex", std::int16_t{0}}, {"Style", std::uint8_t{1}},
         {"Picture", b.bmp(picture)}});
  Form form(b.definition);
  form.window().resize(100, 100);
  form.show();
  const QImage shot = form.client().grab(QRect(0, 0, 25, 25)).toImage();
  auto shows_picture = [&](int x, int y) {
    const QColor c = shot.pixelColor(x, y);
    return c.blue() == 3 && c.red() % 10 == 0 && c.green() % 10 == 0;
  };
  // The face lies inside a border of two pixels; the picture, 3 pixels wider
  // and 1 taller than the face, overhangs it by 1 on the left and 2 on the
  // right, and by 1 below.
  std::vector<std::string> wrong;
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 25; ++x) {
      const bool face = x >= 2 && x < 23 && y >= 2 && y < 23;
      const auto want = from(x - 1, y - 2);
      if (face ? shot.pixel(x, y) != qRgb(want.r, want.g, want.b) : shows_picture(x, y)) {
        wrong.push_back(std::to_string(x) + "," + std::to_string(y) + (face ? " (face)" : " (border)"));
      }
    }
  }
  EXPECT_TRUE(wrong.empty()) << wrong.size() << " pixels wrong, the first at " << wrong.front();
}

// A line is drawn without its last point, as the platform draws it.
TEST(FormPaint, LinesEndBeforeTheirLastPoint) {
  struct Case {
    const char* what;
    int x1, y1, x2, y2;  // twips
    std::vector<QPoint> drawn, not_drawn;
  };
  const Case cases[] = {
      {"down", 150, 150, 150, 450, {{10, 10}, {10, 29}}, {{10, 30}, {10, 9}}},
      {"right", 300, 600, 900, 600, {{20, 40}, {59, 40}}, {{60, 40}}},
      {"up", 1200, 900, 1200, 600, {{80, 60}, {80, 41}}, {{80, 40}}},
      {"diagonal", 1500, 150, 1650, 300, {{100, 10}, {109, 19}}, {{110, 20}}},
      {"a single point", 1800, 150, 1800, 150, {}, {{120, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Builder b;
    b.add(ControlType::Line, "linOne", {{"X1", c.x1}, {"Y1", c.y1}, {"X2", c.x2}, {"Y2", c.y2}});
    Form form(b.definition);
    form.window().resize(200, 200);
    form.show();
    const QImage shot = form.client().grab().toImage();
    for (const QPoint& p : c.drawn) EXPECT_EQ(shot.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    for (const QPoint& p : c.not_drawn) EXPECT_NE(shot.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
  }
}

TEST(FormPaint, StoredColoursAndFonts) {
  EXPECT_EQ(rt::forms::to_qcolor(Colour::rgb(58, 114, 77)), QColor(58, 114, 77));
  const std::pair<std::uint8_t, QColor> system[] = {
      {5, QColor(255, 255, 255)}, {9, QColor(255, 255, 255)}, {13, QColor(0, 0, 128)}, {14, QColor(255, 255, 255)}};
  for (const auto& [index, colour] : system) EXPECT_EQ(rt::forms::to_qcolor(Colour::system(index)), colour);

  struct FontCase {
    std::u16string face;
    std::uint32_t size_e4;
    std::uint16_t weight;
    QString family;
    int pixels;
  };
  const FontCase fonts[] = {
      {u"ＭＳ ゴシック", 120000, 400, "IPAGothic", 16},   {u"ＭＳ 明朝", 202500, 700, "IPAMincho", 27},
      {u"MS UI Gothic", 120000, 400, "IPAPGothic", 16}, {u"ＭＳ ゴシック", 97500, 400, "IPAGothic", 13},
      {u"ＭＳ ゴシック", 157500, 700, "IPAGothic", 21},
  };
  for (const FontCase& f : fonts) {
    const QFont font = rt::forms::to_qfont({1, 128, 0, f.weight, f.size_e4, f.face});
    EXPECT_EQ(font.family(), f.family);
    EXPECT_EQ(font.pixelSize(), f.pixels);
    EXPECT_EQ(font.bold(), f.weight == 700);
  }
}

}  // namespace
}  // namespace forms_test
