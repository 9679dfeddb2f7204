#include <gtest/gtest.h>

#include <functional>

#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"
#include "tests/runtime/definition/block_layout.h"
#include "tests/runtime/definition/sample_definition.h"

using namespace rt::definition;
using Block = std::vector<std::uint8_t>;

namespace {

// Keeps the header's remaining length right after a change of length, so
// the case reaches the rule it breaks.
void fix_remaining(Block& b) { sample::put_u32(b, 89, static_cast<std::uint32_t>(b.size() - 89)); }

struct Case {
  const char* what;
  // Breaks the block; returns the offset the error must name.
  std::function<std::size_t(Block&, const sample::TinyLayout&)> breaks;
};

}  // namespace

TEST(Malformed, EachBrokenRuleIsRefusedAtItsOffset) {
  constexpr std::size_t op = sample::TinyLayout::kFirstOpcode;
  const Case cases[] = {
      {"bad signature", [](Block& b, auto&) { b[1] = 0xCD; return 0; }},
      {"header word", [](Block& b, auto&) { b[2] = 0x32; return 2; }},
      {"control-type id", [](Block& b, auto&) { b[40] ^= 1; return 37; }},
      {"header zeros", [](Block& b, auto&) { b[60] = 1; return 53; }},
      {"remaining length", [](Block& b, auto&) { sample::put_u32(b, 89, sample::u32_at(b, 89) + 1); return 89; }},
      {"shorter than a header", [](Block& b, auto&) { b.resize(50); return 37; }},
      {"highest id", [](Block& b, auto&) { b[4] = 11; return 4; }},
      {"record size past the end", [](Block& b, auto& at) { sample::put_u32(b, at.label, 0x7FFFFFF0); return at.label; }},
      {"record size below the minimum", [](Block& b, auto& at) { sample::put_u32(b, at.line, 3); return at.line; }},
      {"end byte before the size's end", [](Block& b, auto& at) {
         sample::put_u32(b, at.line, sample::u32_at(b, at.line) + 1);
         return at.line + sample::u32_at(b, at.line) - 2;
       }},
      {"record size short of its end byte", [](Block& b, auto& at) {
         sample::put_u32(b, at.line, sample::u32_at(b, at.line) - 1);
         return at.line + sample::u32_at(b, at.line);
       }},
      {"wrong id", [](Block& b, auto& at) { b[at.line + 4] = 9; return at.line + 4; }},
      {"name not an identifier", [](Block& b, auto& at) { b[at.label + 7] = ' '; return at.label + 7; }},
      {"window of another type", [](Block& b, auto& at) { b[at.window + 9] = 1; return at.window + 9; }},
      {"control of menu type", [](Block& b, auto& at) { b[at.line + 9] = 19; return at.line + 9; }},
      {"unknown opcode", [](Block& b, auto& at) { b[at.label + op] = 0x02; return at.label + op; }},
      {"opcode of the table not stored", [](Block& b, auto& at) { b[at.window + op] = 0x02; return at.window + op; }},
      {"non-rising opcode", [](Block& b, auto& at) {
         std::size_t fore = at.label + op + 1 + 2 + 2 + 1 + 5;  // Caption "ab", BackColor
         b[fore] = 0x03;
         return fore;
       }},
      {"text length past the record", [](Block& b, auto& at) { b[at.label + op + 2] = 0x40; return at.label + op + 1; }},
      {"text without its end byte 0", [](Block& b, auto& at) { b[at.label + op + 5] = 1; return at.label + op + 5; }},
      {"text not code page 932", [](Block& b, auto& at) { b[at.label + op + 3] = 0x81; b[at.label + op + 4] = 0x7F; return at.label + op + 3; }},
      {"picture length past the record", [](Block& b, auto& at) { sample::put_u32(b, at.window + op + 1, 5000); return at.window + op + 1; }},
      {"picture length below 8", [](Block& b, auto& at) { sample::put_u32(b, at.window + op + 1, 7); return at.window + op + 1; }},
      {"picture tag", [](Block& b, auto& at) { b[at.window + op + 6] = 'T'; return at.window + op + 5; }},
      {"picture inner length", [](Block& b, auto& at) { b[at.window + op + 9] += 1; return at.window + op + 9; }},
      {"boolean neither 00 nor FF", [](Block& b, auto& at) {
         std::size_t flag = at.menu + op + 1 + 2 + 8 + 1 + 1;  // Caption of 8 bytes, opcode 0x07
         b[flag] = 0x01;
         return flag;
       }},
      {"link after the window", [](Block& b, auto& at) { b[at.after_window] = 0x03; return at.after_window; }},
      {"link between controls", [](Block& b, auto& at) { b[at.line - 1] = 0x05; return at.line - 1; }},
      {"menu list not opened", [](Block& b, auto& at) { b[at.menu - 1] = 0x02; return at.menu - 1; }},
      {"link in the menu list", [](Block& b, auto&) { b[b.size() - 2] = 0x06; return b.size() - 2; }},
      {"missing 0x04", [](Block& b, auto&) { b.pop_back(); fix_remaining(b); return b.size(); }},
      {"0x04 replaced", [](Block& b, auto&) { b.back() = 0x02; return b.size() - 1; }},
      {"trailing bytes", [](Block& b, auto&) { b.push_back(0); fix_remaining(b); return b.size() - 1; }},
  };
  const Block good = write_definition(sample::tiny_definition());
  const sample::TinyLayout layout(good);
  for (const Case& c : cases) {
    Block bad = good;
    std::size_t offset = c.breaks(bad, layout);
    try {
      read_definition(bad);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const DefinitionError& e) {
      EXPECT_EQ(e.offset(), offset) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("offset " + std::to_string(offset) + ": expected"), std::string::npos)
          << e.what();
    }
  }
}

TEST(Malformed, EveryTruncationIsRefusedWithinTheBlock) {
  const Block good = write_definition(sample::full_definition());
  for (std::size_t length = 0; length < good.size(); ++length) {
    Block cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    if (cut.size() >= 93) fix_remaining(cut);
    try {
      read_definition(cut);
      ADD_FAILURE() << "accepted a block cut to " << length;
    } catch (const DefinitionError& e) {
      EXPECT_LE(e.offset(), length);
    }
  }
}
