#include "runtime/definition/opcodes.h"

#include <gtest/gtest.h>

using namespace rt::definition;

TEST(OpcodeTables, RiseStrictlyAndLeaveRoomAfterPositions) {
  for (auto type : {ControlType::Form, ControlType::Label, ControlType::CommandButton,
                    ControlType::ComboBox, ControlType::VScrollBar, ControlType::Image,
                    ControlType::Line, ControlType::Menu}) {
    auto table = opcode_table(type);
    ASSERT_FALSE(table.empty()) << type_name(type);
    for (size_t i = 1; i < table.size(); ++i) {
      int gap = table[i - 1].encoding == Encoding::Position ? 4 : 1;
      EXPECT_GE(table[i].opcode, table[i - 1].opcode + gap)
          << type_name(type) << " " << table[i].name;
    }
  }
}

TEST(Record, FindsStoredValueByName) {
  Record r{.id = 6, .name = "lblTime", .type = ControlType::Label,
           .properties = {{0x01, std::u16string(u"100/ms")}, {0x12, std::int16_t{18}}}};
  ASSERT_NE(r.find("Caption"), nullptr);
  EXPECT_EQ(std::get<std::u16string>(*r.find("Caption")), u"100/ms");
  EXPECT_EQ(std::get<std::int16_t>(*r.find("TabIndex")), 18);
  EXPECT_EQ(r.find("ForeColor"), nullptr);
  EXPECT_EQ(r.find("NoSuchProperty"), nullptr);
}
