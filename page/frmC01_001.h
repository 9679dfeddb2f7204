#pragma once
// The lesson page window: its start-up, the handlers of its cards, play
// buttons, chooser, scroll bar and menus, and the navigation procedures of
// the class that nothing on the page reaches.

#include <array>
#include <cstdint>

#include "page/lesson_tables.h"
#include "runtime/forms/form.h"

namespace page {

class frmC01_001 {
 public:
  // Binds the controls and menu entries the procedures use and wires every
  // handled event to its procedure; raises 438 naming a control the window
  // lacks.
  explicit frmC01_001(rt::forms::Form& form);

  void Form_Load();
  void InitWindow();
  void InitPanels();
  void Form_Unload(std::int16_t& Cancel);

  void Image1_Click();
  void Image2_Click();
  void Image3_Click();
  void Image4_Click();
  void Image5_Click();
  void Image6_Click();
  void Image7_Click();
  void Image8_Click();
  void Image9_Click();
  void Image10_Click();
  void Image11_Click();
  void Image12_Click();
  void Image13_Click();
  void Image14_Click();
  void Image15_Click();
  void Image16_Click();
  void Image17_Click();
  void Image18_Click();
  void Image19_Click();
  void Image20_Click();
  void Image21_Click();
  void Image22_Click();
  void Image23_Click();
  void Image24_Click();
  void Image25_Click();
  void Image26_Click();

  void cmd001_Click();
  void cmd002_Click();
  void cmd003_Click();
  void cmd004_Click();

  void combo001_Click();
  void vscTime_Change();

  void mnuExit_Click();
  void mnuE_Vol_Click();
  void mnuH_Index_Click();
  void mnuV_Main_Click();
  void mnuV_pin1_Click();
  void mnuV_pin2_Click();
  void mnuV_pin3_Click();
  void mnuV_free_Click();

  void GoMenu();
  void GoPrevLesson();
  void GoPrevPage();
  void GoNextPage();
  void GoNextLesson();

  // The class carries two procedures with empty bodies, bound to nothing.
  void Spare1();
  void Spare2();

 private:
  void play_card(int card);
  void start_companion(std::u16string_view program_file);

  rt::forms::Form& form_;
  rt::forms::Control& lblTitle_;
  rt::forms::Control& lblT01_;
  rt::forms::Control& lblK_;
  rt::forms::Control& lblTime_;
  rt::forms::Control& combo001_;
  rt::forms::Control& vscTime_;
  std::array<rt::forms::Control*, kPanels.size()> panels_{};  // in the chooser's order
  rt::forms::Control& imgKpinin_;
  std::array<rt::forms::Control*, kCompanionEntries.size()> companion_entries_{};
};

}  // namespace page
