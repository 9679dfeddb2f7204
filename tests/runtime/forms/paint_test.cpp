// What the client area shows: the form's picture, then the windowless
// controls back to front, the windowed ones in front of all.
#include <gtest/gtest.h>

#include <QImage>
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
