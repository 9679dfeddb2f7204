#pragma once
// The one place where the page's Windows-style paths become Linux paths.
//
// Translation: backslashes become slashes. There is one drive: a leading
// drive letter "X:" (any letter) stands for the root, so "D:\Windows" is
// "/Windows" and "C:" alone is "/"; a drive-relative "X:name" is "name" in the
// current folder. "." and ".." stay and are resolved by the file system.
//
// Resolution: each component is matched against the real entries of its
// folder, the exact name first, otherwise one that differs only in ASCII
// letter case (the alphabetically first, when several do). Components that
// match nothing are kept as given, so a missing file yields a path that does
// not exist. A program named "*.EXE" (any case) that does not exist as such
// also matches the file without the extension.
//
// Names pass through the page's texts without loss (see file_name_text.h):
// a backslash or a byte that is not UTF-8 inside a Linux name comes back
// as itself. Texts that are not valid UTF-16 otherwise raise FileNotFound.

#include <string>
#include <string_view>

namespace rt {

std::string translate_path(std::u16string_view windows_path);
std::string resolve_path(std::u16string_view windows_path);
std::string resolve_program(std::u16string_view windows_path);

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);
// Whether a program path ends in ".EXE", in any case.
bool names_exe(std::u16string_view path);

}  // namespace rt
