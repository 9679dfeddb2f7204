#pragma once
// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.

#include <filesystem>
#include <string>
#include <string_view>

namespace test_support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes a file (creating its folders) and returns its path.
  std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& path);

}  // namespace test_support
