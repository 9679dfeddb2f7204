#include "tests/runtime/system/started_program.h"

#include <chrono>
#include <thread>

#include "tests/support/temp_folder.h"

namespace system_tests {

void install_stub(const std::filesystem::path& path) {
  std::filesystem::create_directories(path.parent_path());
  std::filesystem::copy_file(ARGV_STUB_PATH, path, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

std::optional<std::vector<std::string>> stub_arguments(const std::filesystem::path& path) {
  const std::filesystem::path record = path.string() + ".args";
  for (int tries = 0; tries < 1000 && !std::filesystem::exists(record); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!std::filesystem::exists(record)) return std::nullopt;
  std::vector<std::string> arguments;
  const std::string bytes = test_support::read_file(record);
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = bytes.find('\0', start);
    arguments.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

}  // namespace system_tests
