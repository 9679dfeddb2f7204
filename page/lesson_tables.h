#pragma once
// What the page's procedures know as constants: the syllable of each card,
// the syllables of each play button's line, the explanation panels, the
// companion entries and the fixed texts.

#include <array>
#include <cstdint>
#include <string_view>

namespace page {

// The SyllableName that Image1 ... Image26 play, in card order.
inline constexpr std::array<std::u16string_view, 26> kCardSyllables{
    u"tian2", u"zhong1", u"ni2",   u"hao3",   u"song1", u"ben3",   u"ni2",   u"hao3",  u"tian2",
    u"zhong1", u"wo3",   u"jiao4", u"tian2",  u"zhong1", u"ni3",   u"jiao4", u"shen2", u"me0",
    u"ming2", u"zi4",    u"song1", u"ben3",   u"wo3",   u"jiao4",  u"song1", u"ben3",
};

// The sentences the play buttons speak; the third line waits at its comma.
inline constexpr std::array<std::u16string_view, 2> kLine1{u"ni2", u"hao3"};
inline constexpr std::array<std::u16string_view, 2> kLine2{u"ni2", u"hao3"};
inline constexpr std::array<std::u16string_view, 4> kLine3BeforeComma{u"wo3", u"jiao4", u"tian2", u"zhong1"};
inline constexpr std::array<std::u16string_view, 6> kLine3AfterComma{u"ni3",   u"jiao4", u"shen2",
                                                                      u"me0",   u"ming2", u"zi4"};
inline constexpr std::array<std::u16string_view, 4> kLine4{u"wo3", u"jiao4", u"song1", u"ben3"};
inline constexpr std::int32_t kCommaExtraMs = 500;

// The chooser's entries in index order and the panel picture each shows.
struct PanelRow {
  std::u16string_view entry;
  std::string_view picture;
};
inline constexpr std::array<PanelRow, 4> kPanels{{
    {u"解説", "imgK1"},
    {u"豆知識", "imgK2"},
    {u"今日の単語", "imgKword"},
    {u"中国簡体字", "imgKZ"},
}};
// The fifth panel picture has no entry and stays hidden.
inline constexpr std::string_view kUnlistedPanel = "imgKpinin";
// The frame lblK reaches this far beyond the height of the panel it holds.
inline constexpr float kFrameMargin = 195.0f;
inline constexpr std::u16string_view kChooserTip = u"解説を選択できます。";

inline constexpr std::u16string_view kWindowCaption = u"Velquor";

// The View menu's entries that start companion programs: off in this page.
inline constexpr std::array<std::string_view, 5> kCompanionEntries{
    "mnuV_Main", "mnuV_pin1", "mnuV_pin2", "mnuV_pin3", "mnuV_free"};
// A companion program lies in the parent folder.
inline constexpr std::u16string_view kParentFolder = u"..";

}  // namespace page
