#include "tests/runtime/definition/sample_definition.h"

#include <cstdint>

namespace sample {
namespace {

using namespace rt::definition;

// Picture files need only be bytes for the block; they are never decoded here.
constexpr std::uint8_t kPictureA[] = {'B', 'M', 1, 2, 3, 4};
constexpr std::uint8_t kPictureB[] = {0, 0, 1, 0, 1, 0, 0xFF};

Record record(std::uint8_t id, const char* name, ControlType type, std::vector<Property> properties) {
  return {id, name, type, std::move(properties)};
}

Font font(std::u16string face, std::uint32_t size_e4, std::uint16_t weight) {
  return Font{.version = 1, .charset = 128, .style = 0, .weight = weight, .size_e4 = size_e4, .face = face};
}

Guid guid(std::uint8_t first) {
  Guid g{};
  for (std::size_t i = 0; i < g.size(); ++i) g[i] = static_cast<std::uint8_t>(first + i);
  return g;
}

}  // namespace

Definition tiny_definition() {
  Definition d;
  d.class_id = guid(0x10);
  d.interface_id = guid(0x11);
  d.window = record(0, "W", ControlType::Form,
                    {{0x21, Picture{kPictureA}}, {0x40, font(u"ＭＳ ゴシック", 120000, 400)}});
  d.controls = {
      record(6, "L", ControlType::Label,
             {{0x01, std::u16string(u"ab")},
              {0x03, Colour::rgb(1, 2, 3)},
              {0x04, Colour::system(13)},
              {0x05, Position{10, 20, 30, 40}}}),
      record(7, "K", ControlType::Line, {{0x03, std::int32_t{-5}}}),
  };
  d.menus = {
      {record(8, "M", ControlType::Menu, {{0x03, std::u16string(u"ﾌｧｲﾙ(&F)")}, {0x07, true}}),
       {{record(9, "E", ControlType::Menu, {{0x03, std::u16string(u"x")}}), {}}}},
      {record(10, "H", ControlType::Menu, {{0x03, std::u16string(u"y")}}), {}},
  };
  return d;
}

Definition full_definition() {
  Definition d;
  d.class_id = guid(0x20);
  d.interface_id = guid(0x21);
  d.window = record(0, "frmTest", ControlType::Form,
                    {{0x19, std::array<std::uint8_t, 4>{1, 0, 0x42, 0}},
                     {0x21, Picture{kPictureA}},
                     {0x22, std::uint8_t{1}},
                     {0x23, Picture{kPictureB}},
                     {0x24, std::u16string(u"Form1")},
                     {0x26, std::uint8_t{0}},
                     {0x35, ClientRect{480, 885, 9525, 10410}},
                     {0x40, font(u"ＭＳ 明朝", 202500, 700)}});
  d.controls = {
      record(6, "vscTime", ControlType::VScrollBar,
             {{0x02, Position{12660, 660, 315, 1035}},
              {0x09, std::int16_t{0}},
              {0x0a, std::int16_t{100}},
              {0x0b, std::int16_t{1000}},
              {0x0c, std::int16_t{50}},
              {0x0d, std::int16_t{10}},
              {0x0e, std::int16_t{100}}}),
      record(7, "combo001", ControlType::ComboBox,
             {{0x01, std::uint8_t{2}},
              {0x05, Position{1260, 4020, 2000, 360}},
              {0x0c, std::uint8_t{19}},
              {0x26, font(u"MS UI Gothic", 120000, 400)}}),
      record(8, "cmd001", ControlType::CommandButton,
             {{0x04, Position{120, 780, 375, 375}},
              {0x11, std::int16_t{1}},
              {0x22, Picture{kPictureA}},
              {0x25, std::u16string(u"連続で発音します")},
              {0x29, std::uint8_t{1}}}),
      record(9, "Image1", ControlType::Image,
             {{0x02, Picture{kPictureA}},
              {0x03, Position{780, 720, 360, 675}},
              {0x08, false},
              {0x09, std::uint8_t{99}},
              {0x13, Picture{kPictureB}},
              {0x17, std::u16string(u"tian2")}}),
      record(10, "lbl001", ControlType::Label,
             {{0x01, std::u16string(u"音と\r\n単位はﾐﾘ秒です")},
              {0x05, Position{-1, 0, 1695, 675}},
              {0x12, std::int16_t{17}},
              {0x13, std::uint8_t{1}},
              {0x14, std::uint8_t{2}},
              {0x18, true},
              {0x1f, std::uint8_t{0}}}),
      record(11, "Line1", ControlType::Line,
             {{0x03, std::int32_t{1920}}, {0x04, std::int32_t{780}}, {0x05, std::int32_t{1920}},
              {0x06, std::int32_t{1080}}}),
  };
  d.menus = {
      {record(12, "mnuView", ControlType::Menu, {{0x03, std::u16string(u"表示(&V)")}, {0x07, true}}),
       {{record(13, "mnuLin001", ControlType::Menu, {{0x03, std::u16string(u"-")}, {0x06, true}}), {}},
        {record(14, "mnuSub", ControlType::Menu, {{0x03, std::u16string(u"ﾒﾆｭｰ")}, {0x07, true}}),
         {{record(15, "mnuDeep", ControlType::Menu, {{0x03, std::u16string()}}), {}}}},
        {record(16, "mnuEmpty", ControlType::Menu, {{0x07, true}}), {}}}},
      {record(17, "mnuHelp", ControlType::Menu, {{0x03, std::u16string(u"目次(&C)")}}), {}},
  };
  return d;
}

}  // namespace sample
