#include "tests/course/course_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

#include "tests/course/recordings.h"

namespace course_test {
namespace fs = std::filesystem;
namespace {

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

void write_bytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

std::string read_bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void place_sound(const fs::path& target, const fs::path& recording, SoundFile kind) {
  switch (kind) {
    case SoundFile::Good:
      fs::copy_file(recording, target);
      break;
    case SoundFile::Missing:
      break;
    case SoundFile::Empty:
      write_bytes(target, "");
      break;
    case SoundFile::Truncated:
      // The RIFF and format chunks and part of the data chunk's header.
      write_bytes(target, read_bytes(recording).substr(0, 40));
      break;
    case SoundFile::Garbage:
      write_bytes(target, std::string(4096, '\x5a'));
      break;
    case SoundFile::Folder:
      fs::create_directory(target);
      break;
    case SoundFile::Unreadable:
      fs::copy_file(recording, target);
      fs::permissions(target, fs::perms::none);
      break;
  }
}

}  // namespace

CourseFolder::CourseFolder(const CourseLayout& layout) {
  // Open to all, so that a page started as an unprivileged user can reach
  // its course and write its sound capture here.
  fs::permissions(scratch(), fs::perms::all);
  root_ = scratch() / layout.folder_name;
  fs::create_directories(root_ / "C01");
  fs::copy_file(built_program(), program());
  if (!layout.sound_folder) return;
  const fs::path sounds = root_ / (layout.upper_case ? "PNN" : "pnn");
  fs::create_directory(sounds);
  for (const auto& name : syllable_names()) {
    auto kind = layout.sounds.contains(name) ? layout.sounds.at(name) : SoundFile::Good;
    const std::string file = layout.upper_case ? upper(name + ".pnn") : name + ".pnn";
    place_sound(sounds / file, demo_course() / "pnn" / (name + ".pnn"), kind);
  }
}

fs::path built_program() { return C01_BUILT_PROGRAM; }

}  // namespace course_test
