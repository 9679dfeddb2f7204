// Writes the fuzz seeds: the two sample definitions as blocks. Run by hand
// when the samples change: make_seeds tests/runtime/definition/seeds
#include <cstdio>
#include <fstream>
#include <string>

#include "runtime/definition/writer.h"
#include "tests/runtime/definition/sample_definition.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  const std::pair<const char*, rt::definition::Definition> seeds[] = {
      {"tiny.bin", sample::tiny_definition()}, {"full.bin", sample::full_definition()}};
  for (const auto& [name, definition] : seeds) {
    auto block = rt::definition::write_definition(definition);
    std::ofstream(std::string(argv[1]) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  }
  return 0;
}
