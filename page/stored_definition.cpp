#include "page/stored_definition.h"

#include <cstdint>

// The block file, assembled into read-only data as it is: no copy at start,
// no generated source of a million numbers. C01_PAGE_BLOCK_FILE is its path.
asm(R"(
    .pushsection .rodata.c01_page_block, "a", @progbits
    .balign 16
    .globl c01_page_block
    .hidden c01_page_block
c01_page_block:
    .incbin ")" C01_PAGE_BLOCK_FILE R"("
c01_page_block_end:
    .balign 8
    .globl c01_page_block_size
    .hidden c01_page_block_size
c01_page_block_size:
    .8byte c01_page_block_end - c01_page_block
    .popsection
)");

extern "C" const std::uint8_t c01_page_block[];
extern "C" const std::uint64_t c01_page_block_size;

namespace page {

rt::definition::Bytes stored_definition() {
  return {c01_page_block, static_cast<std::size_t>(c01_page_block_size)};
}

}  // namespace page
