#include "services/basMain.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "runtime/core/arithmetic.h"
#include "runtime/core/cp932.h"
#include "runtime/core/number_text.h"
#include "runtime/core/text.h"
#include "runtime/system/platform.h"

namespace basMain {

std::int32_t PauseMs = 0;

namespace {

constexpr std::uint32_t kNoDefaultSound = 2;  // synchronous, no fallback sound
constexpr std::uint32_t kSystemFolderBuffer = 145;
constexpr std::uint32_t kHelpContents = 11;

// Each neighbour: which part of the title is stepped, by how much, and how
// the stepped number is written.
struct PageStep {
  std::int32_t step;
  bool lesson;  // the lesson steps and goes to page 001; else the page steps
  double change;
  std::u16string_view pattern;
};
constexpr PageStep kPageSteps[] = {
    {-10, true, -1.0, u"00"},
    {-1, false, -1.0, u"000"},
    {+1, false, +1.0, u"000"},
    {+10, true, +1.0, u"00"},
};

// The page name for a step, from the lesson and page texts of the title.
std::u16string page_name(std::int32_t step, const std::u16string& lesson_text, const std::u16string& page_text) {
  const auto row = std::find_if(std::begin(kPageSteps), std::end(kPageSteps),
                                [step](const PageStep& r) { return r.step == step; });
  if (row == std::end(kPageSteps)) return {};
  const double number = rt::checked_add(rt::text_to_r8(row->lesson ? lesson_text : page_text), row->change);
  const std::u16string number_text = rt::format_number(number, row->pattern);
  return row->lesson ? rt::join(u"C", number_text, u"_001") : rt::join(u"C", lesson_text, u"_", number_text);
}

}  // namespace

// Resume-next from the path on: a failing step ends only itself, so the
// pause follows every attempt to play.
std::optional<std::int32_t> PlaySyllable(std::u16string name) {
  std::optional<std::int32_t> result;
  std::u16string path;
  try {
    path = rt::join(u"..", u"\\pnn\\", name, u".pnn");
  } catch (const std::exception&) {
  }
  try {
    result = rt::platform().sndPlaySoundA(rt::to_cp932(path), kNoDefaultSound);
  } catch (const std::exception&) {
  }
  try {
    rt::platform().SleepEx(static_cast<std::uint32_t>(PauseMs), kAlertable);
  } catch (const std::exception&) {
  }
  return result;
}

void JumpToPage(std::int32_t step) {
  const std::u16string folder_text = rt::join(rt::platform().program_folder(), u"\\");
  const std::u16string lesson_text = rt::mid(rt::platform().title(), 2, 2);
  const std::u16string page_text = rt::mid(rt::platform().title(), 5, 3);
  const std::u16string command =
      rt::join(folder_text, page_name(step, lesson_text, page_text), u".EXE", kLaunchArgument);
  rt::platform().shell(command, rt::WindowStyle::Hidden);
}

std::u16string GetSysDir() {
  std::string buffer = rt::to_cp932(rt::repeat_char(static_cast<std::int32_t>(kSystemFolderBuffer), u'\0'));
  const std::uint32_t count = rt::platform().GetSystemDirectoryA(buffer.data(), kSystemFolderBuffer);
  const std::u16string folder = rt::from_cp932(buffer);
  const std::u16string kept = rt::left(
      folder, static_cast<std::int32_t>(std::min<std::uint32_t>(count, std::numeric_limits<std::int32_t>::max())));
  if (rt::compare_text(rt::right(kept, 1), u"\\") != 0) return rt::join(kept, u"\\");
  return kept;
}

void OpenVolumeControl() {
  const std::u16string drive_root = rt::mid(GetSysDir(), 1, 3);
  const std::u16string command = rt::join(drive_root, u"Windows\\", u"Sndvol32.exe");
  rt::platform().shell(command, rt::WindowStyle::NormalNoFocus);
}

std::optional<std::int32_t> OpenHelpContents(std::u16string windowText, std::int32_t data) {
  const std::string help_path = rt::to_cp932(rt::join(u"..", u"\\help\\", u"Quorri.hlp"));
  const std::int32_t window = rt::text_to_i4(windowText);
  rt::platform().WinHelpA(window, help_path, kHelpContents, data);
  return std::nullopt;
}

}  // namespace basMain
