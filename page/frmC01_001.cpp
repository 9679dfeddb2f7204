#include "page/frmC01_001.h"

#include <array>
#include <span>
#include <string_view>

#include "runtime/core/arithmetic.h"
#include "runtime/core/number_text.h"
#include "runtime/core/text.h"
#include "runtime/system/platform.h"
#include "services/basMain.h"

namespace page {
namespace {

using rt::forms::Event;
using rt::forms::Variant;

struct Binding {
  std::string_view control;
  Event event;
  void (frmC01_001::*handler)();
};

// Every handled event of the page's controls, by control name.
const std::array kEvents{
    Binding{"Image1", Event::Click, &frmC01_001::Image1_Click},
    Binding{"Image2", Event::Click, &frmC01_001::Image2_Click},
    Binding{"Image3", Event::Click, &frmC01_001::Image3_Click},
    Binding{"Image4", Event::Click, &frmC01_001::Image4_Click},
    Binding{"Image5", Event::Click, &frmC01_001::Image5_Click},
    Binding{"Image6", Event::Click, &frmC01_001::Image6_Click},
    Binding{"Image7", Event::Click, &frmC01_001::Image7_Click},
    Binding{"Image8", Event::Click, &frmC01_001::Image8_Click},
    Binding{"Image9", Event::Click, &frmC01_001::Image9_Click},
    Binding{"Image10", Event::Click, &frmC01_001::Image10_Click},
    Binding{"Image11", Event::Click, &frmC01_001::Image11_Click},
    Binding{"Image12", Event::Click, &frmC01_001::Image12_Click},
    Binding{"Image13", Event::Click, &frmC01_001::Image13_Click},
    Binding{"Image14", Event::Click, &frmC01_001::Image14_Click},
    Binding{"Image15", Event::Click, &frmC01_001::Image15_Click},
    Binding{"Image16", Event::Click, &frmC01_001::Image16_Click},
    Binding{"Image17", Event::Click, &frmC01_001::Image17_Click},
    Binding{"Image18", Event::Click, &frmC01_001::Image18_Click},
    Binding{"Image19", Event::Click, &frmC01_001::Image19_Click},
    Binding{"Image20", Event::Click, &frmC01_001::Image20_Click},
    Binding{"Image21", Event::Click, &frmC01_001::Image21_Click},
    Binding{"Image22", Event::Click, &frmC01_001::Image22_Click},
    Binding{"Image23", Event::Click, &frmC01_001::Image23_Click},
    Binding{"Image24", Event::Click, &frmC01_001::Image24_Click},
    Binding{"Image25", Event::Click, &frmC01_001::Image25_Click},
    Binding{"Image26", Event::Click, &frmC01_001::Image26_Click},
    Binding{"cmd001", Event::Click, &frmC01_001::cmd001_Click},
    Binding{"cmd002", Event::Click, &frmC01_001::cmd002_Click},
    Binding{"cmd003", Event::Click, &frmC01_001::cmd003_Click},
    Binding{"cmd004", Event::Click, &frmC01_001::cmd004_Click},
    Binding{"combo001", Event::Click, &frmC01_001::combo001_Click},
    Binding{"vscTime", Event::Change, &frmC01_001::vscTime_Change},
    Binding{"mnuExit", Event::Click, &frmC01_001::mnuExit_Click},
    Binding{"mnuE_Vol", Event::Click, &frmC01_001::mnuE_Vol_Click},
    Binding{"mnuH_Index", Event::Click, &frmC01_001::mnuH_Index_Click},
    Binding{"mnuV_Main", Event::Click, &frmC01_001::mnuV_Main_Click},
    Binding{"mnuV_pin1", Event::Click, &frmC01_001::mnuV_pin1_Click},
    Binding{"mnuV_pin2", Event::Click, &frmC01_001::mnuV_pin2_Click},
    Binding{"mnuV_pin3", Event::Click, &frmC01_001::mnuV_pin3_Click},
    Binding{"mnuV_free", Event::Click, &frmC01_001::mnuV_free_Click},
};

void play(std::span<const std::u16string_view> syllables) {
  for (const std::u16string_view syllable : syllables) basMain::PlaySyllable(std::u16string(syllable));
}

}  // namespace

frmC01_001::frmC01_001(rt::forms::Form& form)
    : form_(form),
      lblTitle_(form.control("lblTitle")),
      lblT01_(form.control("lblT01")),
      lblK_(form.control("lblK")),
      lblTime_(form.control("lblTime")),
      combo001_(form.control("combo001")),
      vscTime_(form.control("vscTime")),
      imgKpinin_(form.control(kUnlistedPanel)) {
  for (std::size_t i = 0; i < kPanels.size(); ++i) panels_[i] = &form.control(kPanels[i].picture);
  for (std::size_t i = 0; i < kCompanionEntries.size(); ++i) {
    companion_entries_[i] = &form.control(kCompanionEntries[i]);
  }
  for (const Binding& binding : kEvents) {
    form.control(binding.control).on(binding.event, [this, handler = binding.handler] { (this->*handler)(); });
  }
  form_.on_load([this] { Form_Load(); });
  form_.on_unload([this](std::int16_t& cancel) { Form_Unload(cancel); });
}

// Start-up and end

void frmC01_001::Form_Load() {
  InitWindow();
  InitPanels();
}

void frmC01_001::InitWindow() {
  rt::Platform& app = rt::platform();
  app.change_drive(app.program_folder());
  app.change_dir(app.program_folder());
  form_.set("Top", 0.0f);
  form_.set("Left", 0.0f);
  form_.set("Height", 11100.0f);
  form_.set("Width", 15360.0f);
  lblTitle_.set("Width", form_.get("Width"));
  basMain::PauseMs = 100;
  for (rt::forms::Control* entry : companion_entries_) entry->set("Enabled", false);
  form_.set("Caption", kWindowCaption);
}

void frmC01_001::InitPanels() {
  for (const PanelRow& panel : kPanels) {
    const Variant item = std::u16string(panel.entry);
    combo001_.call("AddItem", {&item, 1});
  }
  const rt::forms::Control& imgK1 = *panels_[0];
  const float height = rt::checked_add(imgK1.get("Height").to_float(), kFrameMargin);
  lblK_.set("Height", height);
  combo001_.set("ToolTipText", kChooserTip);
  combo001_.set("ListIndex", std::int16_t{0});
  lblT01_.set("Caption", form_.get("Caption"));
}

void frmC01_001::Form_Unload(std::int16_t& /*Cancel*/) { rt::platform().end_program(); }

// Syllable cards

void frmC01_001::play_card(int card) { basMain::PlaySyllable(std::u16string(kCardSyllables[card - 1])); }

void frmC01_001::Image1_Click() { play_card(1); }
void frmC01_001::Image2_Click() { play_card(2); }
void frmC01_001::Image3_Click() { play_card(3); }
void frmC01_001::Image4_Click() { play_card(4); }
void frmC01_001::Image5_Click() { play_card(5); }
void frmC01_001::Image6_Click() { play_card(6); }
void frmC01_001::Image7_Click() { play_card(7); }
void frmC01_001::Image8_Click() { play_card(8); }
void frmC01_001::Image9_Click() { play_card(9); }
void frmC01_001::Image10_Click() { play_card(10); }
void frmC01_001::Image11_Click() { play_card(11); }
void frmC01_001::Image12_Click() { play_card(12); }
void frmC01_001::Image13_Click() { play_card(13); }
void frmC01_001::Image14_Click() { play_card(14); }
void frmC01_001::Image15_Click() { play_card(15); }
void frmC01_001::Image16_Click() { play_card(16); }
void frmC01_001::Image17_Click() { play_card(17); }
void frmC01_001::Image18_Click() { play_card(18); }
void frmC01_001::Image19_Click() { play_card(19); }
void frmC01_001::Image20_Click() { play_card(20); }
void frmC01_001::Image21_Click() { play_card(21); }
void frmC01_001::Image22_Click() { play_card(22); }
void frmC01_001::Image23_Click() { play_card(23); }
void frmC01_001::Image24_Click() { play_card(24); }
void frmC01_001::Image25_Click() { play_card(25); }
void frmC01_001::Image26_Click() { play_card(26); }

// Phrase buttons

void frmC01_001::cmd001_Click() { play(kLine1); }
void frmC01_001::cmd002_Click() { play(kLine2); }

void frmC01_001::cmd003_Click() {
  play(kLine3BeforeComma);
  // The comma holds a longer silence: the usual pause, then this wait.
  const std::int32_t wait = rt::checked_add(basMain::PauseMs, kCommaExtraMs);
  rt::platform().SleepEx(static_cast<std::uint32_t>(wait), basMain::kAlertable);
  play(kLine3AfterComma);
}

void frmC01_001::cmd004_Click() { play(kLine4); }

// Explanation panels

void frmC01_001::combo001_Click() {
  const std::int16_t index = combo001_.get("ListIndex").to_int16();
  if (index < 0 || index >= static_cast<std::int16_t>(panels_.size())) return;
  const rt::forms::Control* shown = panels_[static_cast<size_t>(index)];
  const float height = rt::checked_add(shown->get("Height").to_float(), kFrameMargin);
  lblK_.set("Height", height);
  for (rt::forms::Control* panel : panels_) panel->set("Visible", panel == shown);
  imgKpinin_.set("Visible", false);
}

// Pause setting

void frmC01_001::vscTime_Change() {
  basMain::PauseMs = vscTime_.get("Value").to_int16();
  lblTime_.set("Caption", rt::join(rt::text_from_i4(basMain::PauseMs), u"/ms"));
}

// Menu commands

void frmC01_001::mnuExit_Click() {
  std::int16_t cancel = 0;
  Form_Unload(cancel);
}

void frmC01_001::mnuE_Vol_Click() { basMain::OpenVolumeControl(); }

void frmC01_001::mnuH_Index_Click() {
  basMain::OpenHelpContents(rt::text_from_i4(form_.get("hWnd").to_int32()), 0);
}

void frmC01_001::start_companion(std::u16string_view program_file) {
  rt::platform().shell(rt::join(kParentFolder, program_file, basMain::kLaunchArgument), rt::WindowStyle::NormalFocus);
  std::int16_t cancel = 0;
  Form_Unload(cancel);
}

void frmC01_001::mnuV_Main_Click() { start_companion(u"\\Lobrina.exe"); }
void frmC01_001::mnuV_pin1_Click() { start_companion(u"\\Tonvo1.exe"); }
void frmC01_001::mnuV_pin2_Click() { start_companion(u"\\Tonvo2.exe"); }
void frmC01_001::mnuV_pin3_Click() { start_companion(u"\\Tonvo3.exe"); }
void frmC01_001::mnuV_free_Click() { start_companion(u"\\Rambel.exe"); }

// Navigation procedures

void frmC01_001::GoMenu() { mnuV_Main_Click(); }

void frmC01_001::GoPrevLesson() {
  basMain::JumpToPage(-10);
  mnuExit_Click();
}

void frmC01_001::GoPrevPage() {
  basMain::JumpToPage(-1);
  mnuExit_Click();
}

void frmC01_001::GoNextPage() {
  basMain::JumpToPage(+1);
  mnuExit_Click();
}

void frmC01_001::GoNextLesson() {
  basMain::JumpToPage(+10);
  mnuExit_Click();
}

void frmC01_001::Spare1() {}
void frmC01_001::Spare2() {}

}  // namespace page
