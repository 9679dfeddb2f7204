#include "tests/course/open_log.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace course_test {
namespace {

constexpr std::size_t kExtension = 4;  // ".pnn"

std::string recording_name(const std::string& path) {
  std::string name = path.substr(path.rfind('/') + 1);
  name.resize(name.size() - std::min(name.size(), kExtension));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return name;
}

}  // namespace

std::vector<Opened> read_open_log(const std::filesystem::path& log) {
  std::ifstream in(log);
  std::vector<Opened> opens;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos) throw std::runtime_error("open log: a line without a path: " + line);
    opens.push_back({recording_name(line.substr(blank + 1)), std::stoll(line.substr(0, blank))});
  }
  return opens;
}

std::vector<double> silences_by_opens(const std::vector<Heard>& heard, const std::vector<Opened>& opens,
                                      double samples_per_ms) {
  std::vector<std::int64_t> opened_at;
  auto next = opens.begin();
  for (const Heard& sound : heard) {
    next = std::find_if(next, opens.end(), [&](const Opened& o) { return o.name == sound.name; });
    if (next == opens.end())
      throw std::runtime_error("no open of the recording logged for the heard sound " + sound.name + " (sound " +
                               std::to_string(opened_at.size()) + ")");
    opened_at.push_back(next->ns);
    ++next;
  }
  std::vector<double> silences;
  for (std::size_t i = 1; i < heard.size(); ++i) {
    const double held_ms = static_cast<double>(opened_at[i] - opened_at[i - 1]) / 1e6;
    const double sound_ms = static_cast<double>(heard[i - 1].end - heard[i - 1].start) / samples_per_ms;
    silences.push_back(held_ms - sound_ms);
  }
  return silences;
}

}  // namespace course_test
