#pragma once
// A course folder made for one test in a fresh temporary folder: the
// program's folder with a copy of the built page, and the sound folder
// beside it filled with the demo recordings or with damaged stand-ins.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/temp_folder.h"

namespace course_test {

// What stands in the sound folder under a recording's name.
enum class SoundFile {
  Good,        // the demo recording
  Missing,     // nothing
  Empty,       // a file of no bytes
  Truncated,   // the recording cut in the middle of its samples' header
  Garbage,     // bytes that are no WAVE file
  Folder,      // a folder of that name
  Unreadable,  // the recording with no read permission
};

struct CourseLayout {
  std::string folder_name = "course";  // the last piece of the course folder's path
  bool sound_folder = true;            // false: no pnn folder at all
  bool upper_case = false;             // PNN/NI2.PNN instead of pnn/ni2.pnn
  std::map<std::string, SoundFile> sounds = {};  // the recordings not Good
};

class CourseFolder {
 public:
  explicit CourseFolder(const CourseLayout& layout = {});

  const std::filesystem::path& scratch() const { return scratch_.path(); }  // holds the course, free for the test
  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path program() const { return root_ / "C01" / "C01_001"; }

 private:
  test_support::TempFolder scratch_;
  std::filesystem::path root_;
};

// The page as the build made it.
std::filesystem::path built_program();

}  // namespace course_test
