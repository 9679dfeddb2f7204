#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"
#include "tests/runtime/definition/sample_definition.h"
#include "tools/definition/designer.h"

using namespace rt::definition;

namespace {

// The pictures of the full sample, by the file names its designer text uses.
const std::map<std::string, std::vector<std::uint8_t>> kFiles = {
    {"a.bmp", {'B', 'M', 1, 2, 3, 4}},
    {"b.ico", {0, 0, 1, 0, 1, 0, 0xFF}},
};

designer::PictureLoader test_files(int* loads = nullptr) {
  return [loads](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
    if (loads != nullptr) ++*loads;
    auto it = kFiles.find(name);
    if (it == kFiles.end()) return std::nullopt;
    return it->second;
  };
}

std::string name_by_bytes(Bytes file) {
  for (const auto& [name, bytes] : kFiles) {
    if (std::equal(file.begin(), file.end(), bytes.begin(), bytes.end())) return name;
  }
  return "unknown";
}

// The full sample as a person would write it: comments, alignment, any
// property order, CR LF line ends.
constexpr const char* kFullText =
    "# every type and encoding\r\n"
    "ClassId     = {23222120-2524-2726-2829-2A2B2C2D2E2F}\r\n"
    "InterfaceId = {24232221-2625-2827-292A-2B2C2D2E2F30}\r\n"
    "\r\n"
    "Form frmTest\r\n"
    "    Font        = \"ＭＳ 明朝\" size 202500 weight 700 charset 128\r\n"
    "    Extra19     = 01 00 42 00   # kept as stored\r\n"
    "    Picture     = \"a.bmp\"\r\n"
    "    BorderStyle = 1\r\n"
    "    Icon        = \"b.ico\"\r\n"
    "    LinkTopic   = \"Form1\"\r\n"
    "    Extra26     = 0\r\n"
    "    ClientRect  = 480, 885, 9525, 10410\r\n"
    "end\r\n"
    "VScrollBar vscTime\r\n"
    "    Position = 12660, 660, 315, 1035\r\n"
    "    TabIndex = 0\r\n"
    "    Min = 100\r\n    Max = 1000\r\n    LargeChange = 50\r\n    SmallChange = 10\r\n    Value = 100\r\n"
    "end\r\n"
    "ComboBox combo001\r\n"
    "    Extra01 = 2\r\n    Position = 1260,4020,2000,360\r\n    TabIndex = 19\r\n"
    "    Font = \"MS UI Gothic\" charset 128 weight 400 size 120000\r\n"
    "end\r\n"
    "CommandButton cmd001\r\n"
    "    Position = 120, 780, 375, 375\r\n    TabIndex = 1\r\n    Picture = \"a.bmp\"\r\n"
    "    ToolTipText = \"連続で発音します\"\r\n    Style = 1\r\n"
    "end\r\n"
    "Image Image1\r\n"
    "    Picture = \"a.bmp\"\r\n    Position = 780, 720, 360, 675\r\n    Visible = False\r\n"
    "    MousePointer = 99\r\n    MouseIcon = \"b.ico\"\r\n    ToolTipText = \"tian2\"\r\n"
    "end\r\n"
    "Label lbl001\r\n"
    "    Caption = \"音と\\r\\n単位はﾐﾘ秒です\"\r\n    Position = -1, 0, 1695, 675\r\n    TabIndex = 17\r\n"
    "    BorderStyle = 1\r\n    Alignment = 2\r\n    AutoSize = True\r\n    BackStyle = 0\r\n"
    "end\r\n"
    "Line Line1\r\n"
    "    X1 = 1920\r\n    Y1 = 780\r\n    X2 = 1920\r\n    Y2 = 1080\r\n"
    "end\r\n"
    "Menu mnuView\r\n"
    "    Caption = \"表示(&V)\"\r\n    HasSubmenu = True\r\n"
    "    Menu mnuLin001\r\n        Caption = \"-\"\r\n        Separator = True\r\n    end\r\n"
    "    Menu mnuSub\r\n        Caption = \"ﾒﾆｭｰ\"\r\n        HasSubmenu = True\r\n"
    "        Menu mnuDeep\r\n            Caption = \"\"\r\n        end\r\n"
    "    end\r\n"
    "    Menu mnuEmpty\r\n        HasSubmenu = True\r\n    end\r\n"
    "end\r\n"
    "Menu mnuHelp\r\n    Caption = \"目次(&C)\"\r\nend\r\n";

}  // namespace

TEST(Designer, TextGivesTheDescriptionWithIdsInStreamOrder) {
  designer::Design design = designer::parse_designer(kFullText, "full.frmdef", test_files());
  EXPECT_EQ(design.definition, sample::full_definition());
}

TEST(Designer, PrintedTextParsesBackToTheSameDescription) {
  const Definition d = sample::full_definition();
  std::string text = designer::print_designer(d, name_by_bytes);
  designer::Design again = designer::parse_designer(text, "printed.frmdef", test_files());
  EXPECT_EQ(again.definition, d) << text;
  EXPECT_NE(text.find("    Caption     = \"音と\\r\\n単位はﾐﾘ秒です\""), std::string::npos) << text;
}

TEST(Designer, ColoursPrintAsRgbSystemOrRaw) {
  Definition d = sample::tiny_definition();
  d.controls[0].properties[1].value = Colour{0x01020304};
  std::string text = designer::print_designer(d, name_by_bytes);
  EXPECT_NE(text.find("BackColor = 0x01020304"), std::string::npos) << text;
  EXPECT_NE(text.find("ForeColor = system(13)"), std::string::npos) << text;
  EXPECT_EQ(designer::parse_designer(text, "c.frmdef", test_files()).definition.controls[0], d.controls[0]);
}

TEST(Designer, EachPictureFileIsLoadedOnceAndShared) {
  int loads = 0;
  designer::Design design = designer::parse_designer(kFullText, "full.frmdef", test_files(&loads));
  EXPECT_EQ(loads, 2);
  const Definition& d = design.definition;
  EXPECT_EQ(std::get<Picture>(*d.window.find("Picture")).file.data(),
            std::get<Picture>(*d.controls[3].find("Picture")).file.data());
  designer::Design moved = std::move(design);
  EXPECT_EQ(write_definition(moved.definition), write_definition(sample::full_definition()));
}

namespace {

constexpr const char* kSmall[] = {
    "# test window",                                     // 1
    "ClassId = {00000000-0000-1000-8000-000000000001}",  // 2
    "InterfaceId = {01000000-0000-1000-8000-000000000001}",
    "Form frmTest",                                      // 4
    "    Picture = \"a.bmp\"",                           // 5
    "    Font = \"ＭＳ ゴシック\" size 120000 weight 400 charset 128",
    "end",                                               // 7
    "Label lblA",                                        // 8
    "    Caption = \"#1 a\\r\\nb\"  # a comment",          // 9
    "    TabIndex = 1",                                  // 10
    "end",                                               // 11
    "# spare",                                           // 12
    "Menu mnuFile",                                      // 13
    "    Caption = \"ﾌｧｲﾙ(&F)\"",                        // 14
    "    HasSubmenu = True",                             // 15
    "    Menu mnuExit",                                  // 16
    "        Caption = \"x\"",                           // 17
    "    end",                                           // 18
    "end",                                               // 19
};

std::string small_with(int line, const std::string& replacement) {
  std::string text;
  for (int i = 1; i <= static_cast<int>(std::size(kSmall)); ++i) {
    text += (i == line ? replacement : std::string(kSmall[i - 1])) + "\n";
  }
  return text;
}

}  // namespace

TEST(Designer, SmallFileParsesWithCommentsOutsideTexts) {
  designer::Design design = designer::parse_designer(small_with(0, ""), "small.frmdef", test_files());
  EXPECT_EQ(std::get<std::u16string>(*design.definition.controls.at(0).find("Caption")), u"#1 a\r\nb");
  EXPECT_EQ(design.definition.menus.at(0).entries.at(0).record.id, 8);
}

TEST(Designer, EveryMistakeIsReportedWithFileAndLine) {
  struct Case {
    int line;
    const char* replacement;
    int reported;
    const char* says;
  };
  const Case cases[] = {
      {10, "    Tabindex = 1", 10, "Label has no property 'Tabindex'"},
      {6, "    hWnd = 5", 6, "not stored"},
      {10, "    TabIndex = 40000", 10, "outside -32768 to 32767"},
      {10, "    TabIndex = \"1\"", 10, "expected a number"},
      {10, "    TabIndex = 1 2", 10, "after the value"},
      {10, "    BackColor = rgb(1, 2)", 10, "expected ','"},
      {10, "    Caption = \"c\"", 10, "already set on line 9"},
      {9, "    Caption = \"é\"", 9, "code page 932"},
      {9, "    Caption = \"a\\tb\"", 9, "unknown escape"},
      {9, "    Caption = \"ab", 9, "closing"},
      {6, "    Font = \"x\" weight 400 charset 128", 6, "size, weight and charset"},
      {15, "    HasSubmenu = Yes", 15, "True or False"},
      {5, "    Picture = \"missing.bmp\"", 5, "'missing.bmp' not found"},
      {5, "    Picture = \"../a.bmp\"", 5, "plain file name"},
      {8, "Lable lblA", 8, "expected a block"},
      {8, "Label lbl A", 8, "expected a block"},
      {16, "    Menu lblA", 16, "'lblA' is already used on line 8"},
      {16, "    Label lblX", 16, "only Menu blocks nest"},
      {4, "Label frmTest", 4, "Form block comes first"},
      {12, "end", 12, "without an open block"},
      {12, "Form frmOther", 12, "a second Form block"},
      {19, "", 13, "'mnuFile' is not closed"},
      {15, "    # no submenu", 13, "holds entries but does not set HasSubmenu = True"},
      {2, "ClassId = {123}", 2, "expected an id"},
      {12, "InterfaceId = {01000000-0000-1000-8000-000000000001}", 12, "already set on line 3"},
      {12, "Colour = 1", 12, "unknown setting 'Colour'"},
      {2, "", 19, "no ClassId"},
  };
  for (const Case& c : cases) {
    try {
      designer::parse_designer(small_with(c.line, c.replacement), "page/test.frmdef", test_files());
      ADD_FAILURE() << c.replacement << ": accepted";
    } catch (const designer::DesignerError& e) {
      std::string expected = "page/test.frmdef:" + std::to_string(c.reported) + ": ";
      EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << c.replacement << " -> " << e.what();
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.replacement << " -> " << e.what();
    }
  }
}

TEST(Designer, ControlsAfterTheMenusAreRefused) {
  std::string text = small_with(0, "") + "Label lblLate\nend\n";
  EXPECT_THROW(
      {
        try {
          designer::parse_designer(text, "late.frmdef", test_files());
        } catch (const designer::DesignerError& e) {
          EXPECT_EQ(e.line(), 20);
          throw;
        }
      },
      designer::DesignerError);
}
