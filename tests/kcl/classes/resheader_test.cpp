#include "kcl/classes/resheader.h"

#include <gtest/gtest.h>

#include <string>

#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace std::string_literals;

namespace {

uint32_t LengthField(const std::string& bytes, size_t dataStart) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[dataStart - 4 + static_cast<size_t>(i)]);
  return v;
}

void ExpectInvalidImage(const std::string& bytes) {
  TStringStream s(bytes);
  try {
    ReadResHeader(s);
    FAIL() << "no exception for " << testing::PrintToString(bytes);
  } catch (const EInvalidImage& e) {
    EXPECT_STREQ(e.what(), "Invalid stream format");
  }
}

}  // namespace

TEST(ResHeader, WritesTypeUpperCasedNameFlagsAndLengthPlaceholder) {
  TMemoryStream s;
  const int64_t dataStart = WriteResourceHeader(s, "TForm1");
  EXPECT_EQ(std::string(s.View()), "\xFF\x0A\x00TFORM1\x00\x30\x10\x00\x00\x00\x00"s);
  EXPECT_EQ(dataStart, 16);
  EXPECT_EQ(s.Position(), 16);
}

TEST(ResHeader, UpperCasesAsciiOnlyAndCutsTheNameTo63Bytes) {
  TMemoryStream s;
  WriteResourceHeader(s, "tF\xF6rm_x1.dfm");
  EXPECT_EQ(std::string(s.View()).substr(3, 13), "TF\xF6RM_X1.DFM\0"s);

  TMemoryStream longName;
  const int64_t dataStart = WriteResourceHeader(longName, std::string(100, 'q'));
  EXPECT_EQ(dataStart, 3 + 63 + 1 + 2 + 4);
  EXPECT_EQ(std::string(longName.View()).substr(3, 64), std::string(63, 'Q') + '\0');

  TMemoryStream exact;
  EXPECT_EQ(WriteResourceHeader(exact, std::string(63, 'a')), 3 + 63 + 1 + 6);
}

TEST(ResHeader, FixupWritesTheDataLengthAndLeavesThePositionAtTheEnd) {
  TMemoryStream s;
  s.WriteString("prefix");  // the header need not start the stream
  const int64_t dataStart = WriteResourceHeader(s, "Data");
  const std::string data(70000, 'x');
  s.WriteString(data);
  FixupResourceHeader(s, dataStart);
  EXPECT_EQ(s.Position(), s.Size());
  const std::string bytes(s.View());
  EXPECT_EQ(LengthField(bytes, static_cast<size_t>(dataStart)), 70000u);
  EXPECT_EQ(bytes.substr(static_cast<size_t>(dataStart)), data);

  TMemoryStream empty;
  const int64_t start = WriteResourceHeader(empty, "");
  FixupResourceHeader(empty, start);
  EXPECT_EQ(std::string(empty.View()), "\xFF\x0A\x00\x00\x30\x10\x00\x00\x00\x00"s);
}

TEST(ResHeader, ReadSkipsTheHeaderAndWhatItWrote) {
  TMemoryStream s;
  const int64_t dataStart = WriteResourceHeader(s, "TABOUTBOX");
  s.WriteString("TPF0rest");
  FixupResourceHeader(s, dataStart);
  s.SetPosition(0);
  ReadResHeader(s);
  EXPECT_EQ(s.Position(), dataStart);

  // A name of 63 characters is the longest accepted.
  TMemoryStream longest;
  const int64_t longestStart = WriteResourceHeader(longest, std::string(63, 'N'));
  longest.SetPosition(0);
  ReadResHeader(longest);
  EXPECT_EQ(longest.Position(), longestStart);
}

TEST(ResHeader, ReadRejectsAnythingElse) {
  ExpectInvalidImage("");
  ExpectInvalidImage("\xFF"s);
  ExpectInvalidImage("\xFF\x0A"s);
  ExpectInvalidImage("TPF0\x06TForm1\x05Form1\x00\x00"s);
  ExpectInvalidImage("\xFF\x0A\x01TFORM1\x00\x30\x10\x00\x00\x00\x00"s);
  ExpectInvalidImage("\xFE\x0A\x00TFORM1\x00\x30\x10\x00\x00\x00\x00"s);
  // Truncated after the name, in the flags, in the length.
  ExpectInvalidImage("\xFF\x0A\x00TFORM1"s);
  ExpectInvalidImage("\xFF\x0A\x00TFORM1\x00\x30"s);
  ExpectInvalidImage("\xFF\x0A\x00TFORM1\x00\x30\x10\x00\x00\x00"s);
  // A name of 64 characters, and one without its terminator in the first 79 bytes.
  ExpectInvalidImage("\xFF\x0A\x00"s + std::string(64, 'N') + "\x00\x30\x10\x00\x00\x00\x00"s);
  ExpectInvalidImage("\xFF\x0A\x00"s + std::string(200, 'N'));
}

TEST(ResHeader, HasResourceHeaderLooksAtTheFirstThreeBytes) {
  EXPECT_TRUE(HasResourceHeader("\xFF\x0A\x00"s));
  EXPECT_TRUE(HasResourceHeader("\xFF\x0A\x00TFORM1"s));
  EXPECT_FALSE(HasResourceHeader("\xFF\x0A"s));
  EXPECT_FALSE(HasResourceHeader("TPF0"));
  EXPECT_FALSE(HasResourceHeader(""));
}
