// Stored colours as they are drawn.
#include <gtest/gtest.h>

#include "runtime/forms/style.h"
#include "tests/support/runtime_error_expect.h"

namespace forms_test {
namespace {

using rt::definition::Colour;

// Every system colour of the classic scheme has its own value: a stored
// colour is never drawn black by default.
TEST(SystemColour, EachIndexOfTheClassicSchemeHasItsColour) {
  struct Case {
    std::uint8_t index;
    QRgb expected;
  };
  const Case cases[] = {
      {0, qRgb(192, 192, 192)},   // scroll bar
      {1, qRgb(0, 128, 128)},     // desktop
      {2, qRgb(0, 0, 128)},       // active caption
      {4, qRgb(192, 192, 192)},   // menu
      {5, qRgb(255, 255, 255)},   // window background
      {8, qRgb(0, 0, 0)},         // window text
      {12, qRgb(128, 128, 128)},  // application workspace
      {15, qRgb(192, 192, 192)},  // button face
      {19, qRgb(192, 192, 192)},  // inactive caption text
      {21, qRgb(0, 0, 0)},        // dark shadow
      {24, qRgb(255, 255, 225)},  // tooltip background
  };
  for (const Case& c : cases) EXPECT_EQ(rt::forms::to_qcolor(Colour::system(c.index)).rgb(), c.expected) << int{c.index};
  EXPECT_EQ(rt::forms::to_qcolor(Colour::rgb(58, 114, 77)).rgb(), qRgb(58, 114, 77));
}

TEST(SystemColour, AnIndexPastTheSchemeIsRefused) {
  for (const std::uint8_t index : {std::uint8_t{25}, std::uint8_t{31}, std::uint8_t{255}}) {
    SCOPED_TRACE(int{index});
    EXPECT_RUNTIME_ERROR_NAMING(rt::forms::to_qcolor(Colour::system(index)), rt::ErrorNumber::InvalidPropertyValue,
                                std::to_string(index));
  }
}

}  // namespace
}  // namespace forms_test
