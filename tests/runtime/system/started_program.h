#pragma once
// Copies of the argument-recording stub, and what a started copy received.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace system_tests {

// Installs the stub as an executable file at `path`.
void install_stub(const std::filesystem::path& path);

// The arguments the stub at `path` was started with, once it has written
// them; nothing when it has not run within a generous wait.
std::optional<std::vector<std::string>> stub_arguments(const std::filesystem::path& path);

}  // namespace system_tests
