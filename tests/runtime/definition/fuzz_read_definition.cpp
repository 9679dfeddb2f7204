// Whatever the bytes, the reader either refuses them with a DefinitionError
// or yields a description that writes back to a block reading the same.
#include <cstdint>
#include <cstdlib>

#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rt::definition;
  Definition read;
  try {
    read = read_definition(Bytes(data, size));
  } catch (const DefinitionError&) {
    return 0;
  }
  std::vector<std::uint8_t> block = write_definition(read);
  if (block.size() != size || read_definition(block) != read) std::abort();
  return 0;
}
