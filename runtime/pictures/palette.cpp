#include "runtime/pictures/palette.h"

namespace rt::pictures {

const Palette& two_colour_palette() {
  static const Palette palette{{0, 0, 0}, {255, 255, 255}};
  return palette;
}

const Palette& sixteen_colour_palette() {
  static const Palette palette{
      {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
      {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
      {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
      {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
  };
  return palette;
}

}  // namespace rt::pictures
