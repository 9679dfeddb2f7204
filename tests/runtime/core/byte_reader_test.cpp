#include "runtime/core/byte_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace {

using Kind = rt::ShortRead::Kind;

const std::vector<std::uint8_t> kBytes = {0x01, 0x82, 0x03, 0xF4, 0x05, 0x06, 0x07, 0x08};

// Runs `request` and returns the ShortRead it throws.
rt::ShortRead short_read(const std::function<void()>& request) {
  try {
    request();
  } catch (const rt::ShortRead& e) {
    return e;
  }
  ADD_FAILURE() << "the request was not refused";
  return rt::ShortRead(Kind::read, 0, "", "", 0, 0, "");
}

}  // namespace

// Each width reads exactly to the view's end, and one byte short it is
// refused where it starts, consuming nothing.
TEST(ByteReader, ReadsEachWidthToTheEndAndRefusesItOneByteShort) {
  struct Case {
    const char* name;
    std::size_t width;
    std::function<std::int64_t(rt::ByteReader&)> read;
    std::int64_t value;  // of the bytes 01 82 03 F4
  };
  const Case cases[] = {
      {"u8", 1, [](rt::ByteReader& in) { return in.u8("f"); }, 0x01},
      {"u16", 2, [](rt::ByteReader& in) { return in.u16("f"); }, 0x8201},
      {"i16", 2, [](rt::ByteReader& in) { return in.i16("f"); }, -0x7DFF},
      {"u32", 4, [](rt::ByteReader& in) { return in.u32("f"); }, 0xF4038201},
      {"i32", 4, [](rt::ByteReader& in) { return in.i32("f"); }, -0x0BFC7DFF},
      {"bytes", 3, [](rt::ByteReader& in) { return in.bytes(3, "f")[2]; }, 0x03},
  };
  constexpr std::size_t base = 1000, lead = 2;  // two bytes read before the field
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> exact(lead + c.width, 0xEE);
    std::copy_n(kBytes.begin(), c.width, exact.begin() + lead);

    rt::ByteReader fits(exact, base, "the view");
    fits.bytes(lead, "lead");
    EXPECT_EQ(c.read(fits), c.value);
    EXPECT_TRUE(fits.at_end());

    const std::vector<std::uint8_t> cut(exact.begin(), exact.end() - 1);
    rt::ByteReader in(cut, base, "the view");
    in.bytes(lead, "lead");
    const rt::ShortRead e = short_read([&] { c.read(in); });
    EXPECT_EQ(e.kind(), Kind::read);
    EXPECT_EQ(e.offset(), base + lead);
    EXPECT_EQ(e.name(), "the view");
    EXPECT_EQ(e.field(), "f");
    EXPECT_EQ(e.length(), c.width);
    EXPECT_EQ(e.left(), c.width - 1);
    EXPECT_EQ(in.position(), lead);
  }
}

// A slice is checked by its position and its length apart: a length that
// would wrap the sum back inside the view is refused too.
TEST(ByteReader, SliceRefusesWhatRunsPastTheViewWithoutWrapping) {
  constexpr std::uint64_t huge = std::numeric_limits<std::uint64_t>::max();
  struct Case {
    const char* name;
    std::uint64_t position, length;
    std::size_t offset;  // named by the error: the position, or the view's end
  };
  const Case refused[] = {
      {"one byte too long", 4, 5, 14},
      {"position past the end", 9, 0, 18},
      {"sum wraps to 0", 2, huge - 1, 12},
      {"position wraps", huge, 2, 18},
  };
  const rt::ByteReader in(kBytes, 10, "the view");
  for (const Case& c : refused) {
    SCOPED_TRACE(c.name);
    const rt::ShortRead e = short_read([&] { in.slice(c.position, c.length, "the part", "part"); });
    EXPECT_EQ(e.kind(), Kind::slice);
    EXPECT_EQ(e.offset(), c.offset);
    EXPECT_EQ(e.field(), "the part");
  }

  const rt::ByteReader tail = in.slice(4, 4, "the part", "part");
  EXPECT_EQ(tail.offset(), 14u);
  EXPECT_EQ(tail.view().data(), kBytes.data() + 4);
  EXPECT_TRUE(in.slice(8, 0, "nothing", "part").at_end());

  rt::ByteReader moving = in;
  moving.seek(8, "the end");
  EXPECT_TRUE(moving.at_end());
  const rt::ShortRead e = short_read([&] { moving.seek(9, "past the end"); });
  EXPECT_EQ(e.kind(), Kind::seek);
  EXPECT_EQ(e.offset(), 18u);
}

// Readers over slices of slices name offsets in the whole input, and see
// nothing of their parent beyond their own bytes.
TEST(ByteReader, NestedReadersCountOffsetsInTheWholeInput) {
  rt::ByteReader block(kBytes, 100, "the block");
  block.u8("lead");
  rt::ByteReader record = block.reader(6, "the record", "the record");
  EXPECT_EQ(block.offset(), 107u);
  EXPECT_EQ(record.offset(), 101u);

  rt::ByteReader value = record.slice(2, 3, "a value", "the value");
  EXPECT_EQ(value.base(), 103u);
  EXPECT_EQ(value.u16("a u16"), 0x05F4);
  const rt::ShortRead inner = short_read([&] { value.u16("past the value"); });
  EXPECT_EQ(inner.offset(), 105u);
  EXPECT_EQ(inner.name(), "the value");
  EXPECT_EQ(inner.left(), 1u);

  record.bytes(4, "most of the record");
  const rt::ShortRead outer = short_read([&] { record.u32("past the record"); });
  EXPECT_EQ(outer.offset(), 105u);
  EXPECT_EQ(outer.name(), "the record");
  EXPECT_EQ(outer.left(), 2u);
}
