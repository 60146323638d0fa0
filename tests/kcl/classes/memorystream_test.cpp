// TMemoryStream: writing over, past and beyond its end, reserved room and swapping.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kcl/classes/streams.h"

using kcl::TMemoryStream;
using namespace std::string_literals;

TEST(MemoryStream, WritesOverwriteThenAppendAndAGapPastTheEndIsZeroFilled) {
  TMemoryStream stream;
  stream.WriteString("abcdef");
  stream.SetPosition(4);
  stream.WriteString("XYZ");
  EXPECT_EQ(stream.View(), "abcdXYZ");
  EXPECT_EQ(stream.Position(), 7);

  stream.SetPosition(1);
  stream.WriteString("12");
  EXPECT_EQ(stream.View(), "a12dXYZ");
  EXPECT_EQ(stream.Position(), 3);

  stream.SetPosition(9);
  stream.WriteString("!");
  EXPECT_EQ(stream.View(), "a12dXYZ\0\0!"s);
  EXPECT_EQ(stream.Size(), 10);
  EXPECT_EQ(stream.Write("x", 0), 0);
  EXPECT_EQ(stream.Size(), 10);
}

TEST(MemoryStream, ReservedRoomTakesWritesWithoutMovingTheBytes) {
  // Small room, and room large enough to be backed by huge pages.
  for (const int64_t room : {int64_t{1} << 20, int64_t{24} << 20}) {
    TMemoryStream stream;
    stream.WriteString("head");
    stream.Reserve(room);
    EXPECT_EQ(stream.View(), "head");
    const char* memory = stream.Memory();
    const std::string chunk(4096, 'c');
    while (stream.Size() + static_cast<int64_t>(chunk.size()) <= room) stream.WriteString(chunk);
    EXPECT_EQ(stream.Memory(), memory);
    EXPECT_EQ(stream.View().substr(0, 6), "headcc");
    EXPECT_EQ(stream.View().back(), 'c');
    // Less than what the stream holds changes nothing.
    stream.Reserve(0);
    EXPECT_EQ(stream.Memory(), memory);
    EXPECT_EQ(stream.Size(), 4 + (room - 4) / 4096 * 4096);
  }
}

TEST(MemoryStream, SwapExchangesBytesAndPositions) {
  TMemoryStream a, b;
  a.WriteString("first");
  a.SetPosition(2);
  b.WriteString("second one");
  a.Swap(b);
  EXPECT_EQ(a.View(), "second one");
  EXPECT_EQ(a.Position(), 10);
  EXPECT_EQ(b.View(), "first");
  EXPECT_EQ(b.Position(), 2);
}
