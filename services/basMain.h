#pragma once
// The course services shared by every page: playing a syllable followed by
// the learner's pause, starting neighbouring pages, the volume control and
// the help. Knows nothing of the window toolkit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace basMain {

// Milliseconds of silence after every played syllable. 0 until the page
// loads; the page sets it to 100 and then follows the pause scroll bar.
extern std::int32_t PauseMs;

// One blank and LaunchToken: the whole argument text of every page or
// companion program the course starts.
inline constexpr std::u16string_view kLaunchArgument = u" qevo";

// SleepEx's alertable flag: every wait of the course is alertable.
inline constexpr std::int32_t kAlertable = 1;

// Plays ..\pnn\<name>.pnn, then waits PauseMs. Never raises: empty when the
// play step itself failed, else the sound call's result (nonzero: played).
std::optional<std::int32_t> PlaySyllable(std::u16string name);

// Starts the program of a neighbouring page: -10/+10 first page of the
// previous/next lesson, -1/+1 previous/next page. Raises on failure.
void JumpToPage(std::int32_t step);

// The system folder, always ending in one backslash.
std::u16string GetSysDir();

// Starts the platform's volume control; raises when it cannot.
void OpenVolumeControl();

// Opens the course help at its contents for the window whose handle is given
// as decimal text. Always empty.
std::optional<std::int32_t> OpenHelpContents(std::u16string windowText, std::int32_t data);

}  // namespace basMain
