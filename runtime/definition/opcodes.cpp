#include "runtime/definition/opcodes.h"

#include <algorithm>
#include <array>

namespace rt::definition {
namespace {

using E = Encoding;

// Names follow the forms runtime's own property names. Where the stored
// value's meaning is open, the name says what this runtime makes of it.
constexpr std::array kForm{
    OpcodeEntry{0x01, "Caption", E::Text, false},
    OpcodeEntry{0x02, "hWnd", E::Long, false},
    OpcodeEntry{0x05, "Left", E::Long, false},
    OpcodeEntry{0x06, "Top", E::Long, false},
    OpcodeEntry{0x07, "Width", E::Long, false},
    OpcodeEntry{0x08, "Height", E::Long, false},
    OpcodeEntry{0x19, "Extra19", E::Raw4},
    OpcodeEntry{0x21, "Picture", E::Picture},
    OpcodeEntry{0x22, "BorderStyle", E::Byte},  // 1: fixed single, no resizing
    OpcodeEntry{0x23, "Icon", E::Picture},
    OpcodeEntry{0x24, "LinkTopic", E::Text},
    OpcodeEntry{0x26, "Extra26", E::Byte},
    OpcodeEntry{0x35, "ClientRect", E::ClientRect},
    OpcodeEntry{0x40, "Font", E::Font},
};

constexpr std::array kLabel{
    OpcodeEntry{0x01, "Caption", E::Text},
    OpcodeEntry{0x03, "BackColor", E::Colour},
    OpcodeEntry{0x04, "ForeColor", E::Colour},
    OpcodeEntry{0x05, "Position", E::Position},
    OpcodeEntry{0x12, "TabIndex", E::Integer},
    OpcodeEntry{0x13, "BorderStyle", E::Byte},
    OpcodeEntry{0x14, "Alignment", E::Byte},  // 0 left, 1 right, 2 centre
    OpcodeEntry{0x18, "AutoSize", E::Boolean},
    OpcodeEntry{0x1f, "BackStyle", E::Byte},  // 0 transparent, 1 opaque
    OpcodeEntry{0x25, "Font", E::Font},
};

constexpr std::array kCommandButton{
    OpcodeEntry{0x04, "Position", E::Position},
    OpcodeEntry{0x11, "TabIndex", E::Integer},
    OpcodeEntry{0x22, "Picture", E::Picture},
    OpcodeEntry{0x25, "ToolTipText", E::Text},
    OpcodeEntry{0x29, "Style", E::Byte},  // 1 graphical
};

constexpr std::array kComboBox{
    OpcodeEntry{0x01, "Extra01", E::Byte},
    OpcodeEntry{0x05, "Position", E::Position},
    OpcodeEntry{0x0c, "TabIndex", E::Byte},
    OpcodeEntry{0x13, "Extra13", E::Byte},
    OpcodeEntry{0x15, "ListIndex", E::Integer, false},
    OpcodeEntry{0x16, "Extra16", E::Integer},
    OpcodeEntry{0x21, "Extra21", E::Integer},
    OpcodeEntry{0x26, "Font", E::Font},
    OpcodeEntry{0x2f, "ToolTipText", E::Text, false},
};

constexpr std::array kVScrollBar{
    OpcodeEntry{0x02, "Position", E::Position},
    OpcodeEntry{0x09, "TabIndex", E::Integer},
    // Stored 100, 1000, 50, 10: the pause runs from 100 to 1000 ms, an arrow
    // click moves it by 10 ms and a click on the track by 50 ms.
    OpcodeEntry{0x0a, "Min", E::Integer},
    OpcodeEntry{0x0b, "Max", E::Integer},
    OpcodeEntry{0x0c, "LargeChange", E::Integer},
    OpcodeEntry{0x0d, "SmallChange", E::Integer},
    OpcodeEntry{0x0e, "Value", E::Integer},
};

constexpr std::array kImage{
    OpcodeEntry{0x02, "Picture", E::Picture},
    OpcodeEntry{0x03, "Position", E::Position},
    OpcodeEntry{0x08, "Visible", E::Boolean},
    OpcodeEntry{0x09, "MousePointer", E::Byte},  // 99 custom
    OpcodeEntry{0x13, "MouseIcon", E::Picture},
    OpcodeEntry{0x17, "ToolTipText", E::Text},
};

constexpr std::array kLine{
    OpcodeEntry{0x03, "X1", E::Long},
    OpcodeEntry{0x04, "Y1", E::Long},
    OpcodeEntry{0x05, "X2", E::Long},
    OpcodeEntry{0x06, "Y2", E::Long},
};

constexpr std::array kMenu{
    OpcodeEntry{0x03, "Caption", E::Text},
    OpcodeEntry{0x05, "Enabled", E::Boolean, false},
    OpcodeEntry{0x06, "Separator", E::Boolean},
    OpcodeEntry{0x07, "HasSubmenu", E::Boolean},
};

}  // namespace

std::span<const OpcodeEntry> opcode_table(ControlType type) {
  switch (type) {
    case ControlType::Form: return kForm;
    case ControlType::Label: return kLabel;
    case ControlType::CommandButton: return kCommandButton;
    case ControlType::ComboBox: return kComboBox;
    case ControlType::VScrollBar: return kVScrollBar;
    case ControlType::Image: return kImage;
    case ControlType::Line: return kLine;
    case ControlType::Menu: return kMenu;
  }
  return {};
}

const OpcodeEntry* find_opcode(ControlType type, std::uint8_t opcode) {
  auto table = opcode_table(type);
  auto it = std::find_if(table.begin(), table.end(),
                         [&](const OpcodeEntry& e) { return e.opcode == opcode; });
  return it == table.end() ? nullptr : &*it;
}

const OpcodeEntry* find_property(ControlType type, std::string_view name) {
  auto table = opcode_table(type);
  auto it = std::find_if(table.begin(), table.end(),
                         [&](const OpcodeEntry& e) { return e.name == name; });
  return it == table.end() ? nullptr : &*it;
}

std::string_view type_name(ControlType type) {
  switch (type) {
    case ControlType::Form: return "Form";
    case ControlType::Label: return "Label";
    case ControlType::CommandButton: return "CommandButton";
    case ControlType::ComboBox: return "ComboBox";
    case ControlType::VScrollBar: return "VScrollBar";
    case ControlType::Image: return "Image";
    case ControlType::Line: return "Line";
    case ControlType::Menu: return "Menu";
  }
  return "?";
}

bool is_known_type(std::uint8_t number) {
  switch (static_cast<ControlType>(number)) {
    case ControlType::Form:
    case ControlType::Label:
    case ControlType::CommandButton:
    case ControlType::ComboBox:
    case ControlType::VScrollBar:
    case ControlType::Image:
    case ControlType::Line:
    case ControlType::Menu:
      return true;
  }
  return false;
}

}  // namespace rt::definition
