// Overlapping controls seen in the window's pixels.
#include <QImage>

#include "runtime/forms/style.h"
#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

const rt::definition::Record& record_named(const rt::definition::Definition& definition, std::string_view name) {
  for (const auto& record : definition.controls) {
    if (record.name == name) return record;
  }
  throw std::logic_error("no record");
}

// Whether the picture of the named image stands whole in the shot, at its
// place. A picture of one colour throughout cannot show that, so the test is
// skipped for it.
void expect_picture_in_front(const rt::definition::Definition& definition, const QImage& shot, std::string_view name,
                             QPoint at) {
  const auto* picture = std::get_if<rt::definition::Picture>(record_named(definition, name).find("Picture"));
  ASSERT_NE(picture, nullptr);
  const QImage expected = rt::forms::to_qimage(*picture, name);
  bool varied = false;
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      varied = varied || expected.pixel(x, y) != expected.pixel(0, 0);
      if (shot.pixel(at.x() + x, at.y() + y) != expected.pixel(x, y)) ++differing;
    }
  }
  if (!varied) GTEST_SKIP() << name << " has a blank picture";
  EXPECT_EQ(differing, 0) << name;
}

TEST_F(PageTest, CardsStandInFrontOfTheDialogueBox) {
  load_and_show();
  const QImage shot = form.client().grab().toImage();
  expect_picture_in_front(definition, shot, "Image1", {52, 48});
  expect_picture_in_front(definition, shot, "Image20", {420, 152});
}

TEST_F(PageTest, PanelStandsInFrontOfItsFrame) {
  load_and_show();
  const QImage shot = form.client().grab().toImage();
  expect_picture_in_front(definition, shot, "imgK1", {24, 316});
}

TEST_F(PageTest, TranslationLabelsStandInFrontOfTheirBox) {
  load_and_show();
  const QImage shot = form.client().grab().toImage();
  for (const QRect& label : {QRect(500, 60, 137, 21), QRect(500, 160, 329, 21)}) {
    int text_pixels = 0;
    for (int y = label.top(); y <= label.bottom(); ++y) {
      for (int x = label.left(); x <= label.right(); ++x) {
        if (shot.pixel(x, y) == qRgb(255, 255, 255)) ++text_pixels;  // highlight text on the green box
      }
    }
    EXPECT_GT(text_pixels, 20);
  }
  EXPECT_EQ(shot.pixel(495, 190), qRgb(58, 114, 77));  // the box itself, beside the labels
}

}  // namespace
}  // namespace page_test
