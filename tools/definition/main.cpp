// c01_defblock: writes a window's stored definition from its designer file,
// or prints a stored definition back as designer text.
//
//   c01_defblock DESIGNER_FILE -o BLOCK [--pictures FOLDER]
//   c01_defblock --dump BLOCK [--pictures FOLDER]
//
// Pictures are read from FOLDER, by default the folder "pictures" beside the
// designer file. A dump names each picture by the file of FOLDER with the
// same bytes, or pictureN.bmp / pictureN.ico when none has them.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"
#include "tools/definition/designer.h"

namespace {

namespace fs = std::filesystem;
using rt::definition::Bytes;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot be read");
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Written beside the target and renamed into place, so a failed run leaves
// no partial block behind.
void write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::path temporary = path;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      fs::remove(temporary);
      throw std::runtime_error(path.string() + ": cannot be written");
    }
  }
  fs::rename(temporary, path);
}

// Names pictures by the folder's file of the same bytes.
class PictureNames {
 public:
  explicit PictureNames(const std::optional<fs::path>& folder) {
    if (!folder) return;
    std::set<fs::path> files;  // sorted, so equal files always give the same name
    for (const auto& entry : fs::directory_iterator(*folder)) {
      if (entry.is_regular_file()) files.insert(entry.path());
    }
    for (const fs::path& f : files) by_bytes_.emplace(read_file(f), f.filename().string());
  }

  std::string operator()(Bytes file) {
    std::string bytes(file.begin(), file.end());
    auto it = by_bytes_.find(bytes);
    if (it != by_bytes_.end()) return it->second;
    bool icon = bytes.size() >= 4 && bytes.compare(0, 4, std::string("\0\0\1\0", 4)) == 0;
    std::string name = "picture" + std::to_string(++unnamed_) + (icon ? ".ico" : ".bmp");
    by_bytes_.emplace(std::move(bytes), name);
    return name;
  }

 private:
  std::map<std::string, std::string> by_bytes_;
  int unnamed_ = 0;
};

int usage() {
  std::fprintf(stderr,
               "usage: c01_defblock DESIGNER_FILE -o BLOCK [--pictures FOLDER]\n"
               "       c01_defblock --dump BLOCK [--pictures FOLDER]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<fs::path> input, output, dump, pictures;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "-o" && has_value) {
      output = argv[++i];
    } else if (arg == "--dump" && has_value) {
      dump = argv[++i];
    } else if (arg == "--pictures" && has_value) {
      pictures = argv[++i];
    } else if (!arg.starts_with("-") && !input) {
      input = arg;
    } else {
      return usage();
    }
  }
  try {
    if (dump && !input && !output) {
      std::string block = read_file(*dump);
      auto definition = rt::definition::read_definition(
          Bytes(reinterpret_cast<const std::uint8_t*>(block.data()), block.size()));
      PictureNames names(pictures);
      std::cout << designer::print_designer(definition, [&](Bytes file) { return names(file); });
      return 0;
    }
    if (!input || !output || dump) return usage();
    fs::path folder = pictures ? *pictures : input->parent_path() / "pictures";
    designer::Design design =
        designer::parse_designer(read_file(*input), input->string(), designer::pictures_in(folder));
    write_file(*output, rt::definition::write_definition(design.definition));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "c01_defblock: %s\n", e.what());
    return 1;
  }
}
