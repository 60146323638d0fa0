#include "kcl/classes/objecttext.h"
#include "kcl/classes/valuebytes.h"

#include <gtest/gtest.h>

#include "kcl/classes/extended.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "kcl/classes/filer.h"
#include "kcl/classes/resheader.h"
#include "kcl/rtl/exceptions.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace std::string_literals;
using korvax::test::ReadFileBytes;

namespace {

// Builds binary component streams by hand.
class Bin {
public:
  Bin() : FBytes("TPF0") {}
  Bin& Byte(uint8_t b) {
    FBytes += static_cast<char>(b);
    return *this;
  }
  Bin& Str(std::string_view s) {
    Byte(static_cast<uint8_t>(s.size()));
    FBytes += s;
    return *this;
  }
  Bin& U16(uint16_t v) { return Byte(static_cast<uint8_t>(v)).Byte(static_cast<uint8_t>(v >> 8)); }
  Bin& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
  Bin& Raw(std::string_view s) {
    FBytes += s;
    return *this;
  }
  // An object header without prefix.
  Bin& Object(std::string_view cls, std::string_view name) { return Str(cls).Str(name); }
  Bin& Prop(std::string_view name) { return Str(name); }
  Bin& String(std::string_view s) {
    if (s.size() <= 255) return Byte(vaString).Str(s);
    return Byte(vaLString).U32(static_cast<uint32_t>(s.size())).Raw(s);
  }
  Bin& End() { return Byte(vaNull); }
  const std::string& Bytes() const { return FBytes; }

private:
  std::string FBytes;
};

// A root object "object X: TX" holding one property with the value's bytes.
std::string OneProperty(std::string_view valueBytes) {
  return Bin().Object("TX", "X").Prop("P").Raw(valueBytes).End().End().Bytes();
}

std::string ValueText(std::string_view valueBytes) {
  const std::string text = ObjectBinaryToText(OneProperty(valueBytes));
  const std::string prefix = "object X: TX\r\n  P = ";
  const std::string suffix = "\r\nend\r\n";
  EXPECT_EQ(text.substr(0, prefix.size()), prefix);
  EXPECT_GE(text.size(), prefix.size() + suffix.size());
  return text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
}

// The bytes of the value that the text of a property gives.
std::string ValueBytes(std::string_view valueText) {
  const std::string binary = ObjectTextToBinary("object X: TX\r\n  P = " + std::string(valueText) + "\r\nend\r\n");
  const std::string prefix = Bin().Object("TX", "X").Prop("P").Bytes();
  EXPECT_EQ(binary.substr(0, prefix.size()), prefix);
  return binary.substr(prefix.size(), binary.size() - prefix.size() - 2);
}

std::string Extended(long double v) {
  const TExtendedBytes b = LongDoubleToExtended(v);
  return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

std::string ExtendedText(std::string_view tenBytes) {
  TExtendedBytes b{};
  std::memcpy(b.data(), tenBytes.data(), b.size());
  return ExtendedToText(b);
}

std::string StreamBinaryToText(const std::string& binary) {
  TStringStream in(binary), out;
  ObjectBinaryToText(in, out);
  return out.DataString();
}

std::string StreamTextToBinary(const std::string& text) {
  TStringStream in(text), out;
  ObjectTextToBinary(in, out);
  return out.DataString();
}

std::vector<std::string> FilesUnder(const std::string& dir, const std::string& extension) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (entry.is_regular_file() && ext == extension) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The message of the exception of type E that fn raises ("" when none or another).
template <class E, class Fn>
std::string ErrorOf(Fn fn) {
  try {
    fn();
  } catch (const E& e) {
    return e.what();
  } catch (const std::exception& e) {
    return std::string("(other exception: ") + e.what() + ")";
  }
  return "(no exception)";
}

std::string BinaryError(const std::string& binary) {
  return ErrorOf<EReadError>([&] { ObjectBinaryToText(binary); });
}

std::string TextError(const std::string& text) {
  return ErrorOf<EParserError>([&] { ObjectTextToBinary(text); });
}

}  // namespace

// ---------------------------------------------------------------- real form files

TEST(ObjectText, EverySampleFormRoundTripsByteForByte) {
  const std::vector<std::string> files = FilesUnder(KORVAX_SAMPLE_FORMS, ".dfm");
  ASSERT_GE(files.size(), 179u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string resource = ReadFileBytes(file);
    TStringStream in(resource), text;
    ObjectResourceToText(in, text);
    EXPECT_EQ(in.Position(), in.Size());

    // Binary -> text -> binary: the bytes after the header.
    TStringStream header(resource);
    ReadResHeader(header);
    const std::string binary = resource.substr(static_cast<size_t>(header.Position()));
    EXPECT_EQ(ObjectTextToBinary(text.DataString()), binary);

    // Text -> binary -> text.
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text.DataString())), text.DataString());

    // Text -> resource gives the file Delphi wrote, header included.
    TStringStream textIn(text.DataString()), resourceOut;
    ObjectTextToResource(textIn, resourceOut);
    EXPECT_EQ(resourceOut.DataString(), resource);
  }
}

TEST(ObjectText, HandWrittenTextFormsRoundTrip) {
  const std::vector<std::string> files = FilesUnder(KORVAX_TEST_DATA "/forms", ".txt");
  ASSERT_GE(files.size(), 4u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string text = ReadFileBytes(file);
    const std::string binary = StreamTextToBinary(text);
    EXPECT_EQ(StreamBinaryToText(binary), text);
    EXPECT_EQ(StreamTextToBinary(StreamBinaryToText(binary)), binary);
  }
}

TEST(ObjectText, SampleTextFormsHoldWhatTheyClaim) {
  const std::string all = ObjectTextToBinary(ReadFileBytes(KORVAX_TEST_DATA "/forms/allvalues.txt"));
  const std::string strings = ObjectTextToBinary(ReadFileBytes(KORVAX_TEST_DATA "/forms/strings.txt"));
  // Every size of integer at its boundaries.
  EXPECT_NE(all.find("\x07Int8Min\x02\x80"s), std::string::npos);
  EXPECT_NE(all.find("\x0AInt16First\x03\x80\x00"s), std::string::npos);
  EXPECT_NE(all.find("\x08Int16Min\x03\x00\x80"s), std::string::npos);
  EXPECT_NE(all.find("\x12Int32FirstNegative\x04\xFF\x7F\xFF\xFF"s), std::string::npos);
  EXPECT_NE(all.find("\x08Int32Min\x04\x00\x00\x00\x80"s), std::string::npos);
  EXPECT_NE(all.find("\x05Whole\x05"s + Extended(1.0L)), std::string::npos);
  EXPECT_NE(all.find("\x09PopupMenu\x0D"s), std::string::npos);
  EXPECT_NE(all.find("\x09Reference\x07\x0D" "Form2.Button1"s), std::string::npos);
  EXPECT_NE(all.find("\x04Text\x06\x10" "Caf\xE9 cr\xE8me \xE0 5 \x80"s), std::string::npos);
  // A string longer than 255 bytes is a long string.
  EXPECT_NE(strings.find("\x04Long\x0C\x2C\x01\x00\x00"s), std::string::npos);
}

// ---------------------------------------------------------------- text Delphi writes

TEST(ObjectText, WritesObjectHeaders) {
  EXPECT_EQ(ObjectBinaryToText(Bin().Object("TForm1", "Form1").End().End().Bytes()),
            "object Form1: TForm1\r\nend\r\n");
  EXPECT_EQ(ObjectBinaryToText(Bin().Object("TTimer", "").End().End().Bytes()), "object TTimer\r\nend\r\n");
  EXPECT_EQ(ObjectBinaryToText(Bin().Byte(0xF1).Object("TForm2", "Form2").End().End().Bytes()),
            "inherited Form2: TForm2\r\nend\r\n");
  EXPECT_EQ(ObjectBinaryToText(Bin().Byte(0xF2).Byte(vaInt8).Byte(3).Object("TB", "B").End().End().Bytes()),
            "object B: TB [3]\r\nend\r\n");
  EXPECT_EQ(ObjectBinaryToText(Bin().Byte(0xF3).Byte(vaInt16).U16(300).Object("TB", "").End().End().Bytes()),
            "inherited TB [300]\r\nend\r\n");
  EXPECT_EQ(ObjectBinaryToText(Bin().Byte(0xF2).Byte(vaInt32).U32(70000).Object("TB", "B").End().End().Bytes()),
            "object B: TB [70000]\r\nend\r\n");

  const std::string nested = Bin()
                                 .Object("TForm1", "Form1")
                                 .Prop("Left")
                                 .Byte(vaInt8)
                                 .Byte(8)
                                 .End()
                                 .Object("TPanel", "Panel1")
                                 .End()
                                 .Object("TButton", "Button1")
                                 .Prop("Caption")
                                 .String("OK")
                                 .End()
                                 .End()
                                 .End()
                                 .End()
                                 .Bytes();
  EXPECT_EQ(ObjectBinaryToText(nested),
            "object Form1: TForm1\r\n"
            "  Left = 8\r\n"
            "  object Panel1: TPanel\r\n"
            "    object Button1: TButton\r\n"
            "      Caption = 'OK'\r\n"
            "    end\r\n"
            "  end\r\n"
            "end\r\n");
}

TEST(ObjectText, WritesIntegersIdentifiersAndSets) {
  EXPECT_EQ(ValueText("\x02\x80"s), "-128");
  EXPECT_EQ(ValueText("\x02\x7F"s), "127");
  EXPECT_EQ(ValueText("\x03\x00\x80"s), "-32768");
  EXPECT_EQ(ValueText("\x03\xFF\x7F"s), "32767");
  EXPECT_EQ(ValueText("\x04\x00\x00\x00\x80"s), "-2147483648");
  EXPECT_EQ(ValueText("\x04\xFF\xFF\xFF\x7F"s), "2147483647");
  EXPECT_EQ(ValueText("\x07\x08" "clWindow"s), "clWindow");
  EXPECT_EQ(ValueText("\x08"s), "False");
  EXPECT_EQ(ValueText("\x09"s), "True");
  EXPECT_EQ(ValueText("\x0D"s), "nil");
  EXPECT_EQ(ValueText("\x0B\x00"s), "[]");
  EXPECT_EQ(ValueText("\x0B\x06" "fsBold\x00"s), "[fsBold]");
  EXPECT_EQ(ValueText("\x0B\x06" "fsBold\x08" "fsItalic\x0B" "fsUnderline\x00"s), "[fsBold, fsItalic, fsUnderline]");
}

TEST(ObjectText, WritesStringsInPiecesAndLines) {
  EXPECT_EQ(ValueText("\x06\x00"s), "''");
  EXPECT_EQ(ValueText("\x06\x05" "Hello"s), "'Hello'");
  EXPECT_EQ(ValueText("\x06\x04" "It's"s), "'It'#39's'");
  EXPECT_EQ(ValueText("\x06\x01'"s), "#39");
  EXPECT_EQ(ValueText("\x06\x04" "a\r\nb"s), "'a'#13#10'b'");
  EXPECT_EQ(ValueText("\x06\x03\x00\x1F "s), "#0#31' '");
  EXPECT_EQ(ValueText("\x06\x05" "\xE9\x80\xFF\xA0~"s), "'\xE9\x80\xFF\xA0~'");
  EXPECT_EQ(ValueText("\x0C\x02\x00\x00\x00" "ab"s), "'ab'");

  // Up to 64 bytes on the property's line; more start on a new line.
  const std::string a64(64, 'a');
  EXPECT_EQ(ValueText(Bin().String(a64).Bytes().substr(4)), "'" + a64 + "'");
  EXPECT_EQ(ValueText(Bin().String(a64 + "b").Bytes().substr(4)), "\r\n    '" + a64 + "' +\r\n    'b'");
  // The line breaks after 64 source bytes, inside a quoted run or after a #nnn.
  const std::string edge = std::string(63, 'x') + "\r" + std::string(70, 'y');
  EXPECT_EQ(ValueText(Bin().String(edge).Bytes().substr(4)),
            "\r\n    '" + std::string(63, 'x') + "'#13 +\r\n    '" + std::string(64, 'y') + "' +\r\n    'yyyyyy'");
  const std::string quotes(65, '\'');
  std::string quotesText = "\r\n    ";
  for (int i = 0; i < 64; ++i) quotesText += "#39";
  quotesText += " +\r\n    #39";
  EXPECT_EQ(ValueText(Bin().String(quotes).Bytes().substr(4)), quotesText);
  // No " +" after the last piece, even when it ends a line exactly.
  EXPECT_EQ(ValueText(Bin().String(std::string(128, 'z')).Bytes().substr(4)),
            "\r\n    '" + std::string(64, 'z') + "' +\r\n    '" + std::string(64, 'z') + "'");
}

TEST(ObjectText, WritesListsBinaryAndCollections) {
  EXPECT_EQ(ValueText("\x01\x00"s), "()");
  EXPECT_EQ(ValueText("\x01\x06\x01" "a\x06\x01" "b\x00"s), "(\r\n    'a'\r\n    'b')");
  EXPECT_EQ(ValueText("\x01\x01\x02\x01\x00\x00"s), "(\r\n    (\r\n      1))");

  EXPECT_EQ(ValueText("\x0A\x00\x00\x00\x00"s), "{}");
  EXPECT_EQ(ValueText("\x0A\x03\x00\x00\x00\x01\xAB\xFF"s), "{01ABFF}");
  const std::string bytes32(32, '\x5A');
  std::string hex32;
  for (int i = 0; i < 32; ++i) hex32 += "5A";
  EXPECT_EQ(ValueText("\x0A\x20\x00\x00\x00"s + bytes32), "{\r\n    " + hex32 + "}");
  EXPECT_EQ(ValueText("\x0A\x21\x00\x00\x00"s + bytes32 + "\x01"), "{\r\n    " + hex32 + "\r\n    01}");

  EXPECT_EQ(ValueText("\x0E\x00"s), "<>");
  const std::string collection = "\x0E\x01\x05" "Width\x02\x32\x00\x02\x05\x01\x00\x03\x2C\x01\x01\x04Text\x06\x01x\x00\x00"s;
  EXPECT_EQ(ValueText(collection),
            "<\r\n"
            "    item\r\n"
            "      Width = 50\r\n"
            "    end\r\n"
            "    item [5]\r\n"
            "    end\r\n"
            "    item [300]\r\n"
            "      Text = 'x'\r\n"
            "    end>");
}

TEST(ObjectText, WritesFloatsThatReadBackExactly) {
  EXPECT_EQ(ValueText("\x05"s + Extended(1.5L)), "1.5");
  EXPECT_EQ(ValueText("\x05"s + Extended(1.0L)), "1.0");
  EXPECT_EQ(ExtendedText(Extended(0.0L)), "0.0");
  EXPECT_EQ(ExtendedText(Extended(-0.0L)), "-0.0");
  EXPECT_EQ(ExtendedText(Extended(-273.15L)), "-273.15");
  EXPECT_EQ(ExtendedText(Extended(1E-5L)), "1E-5");
  EXPECT_EQ(ExtendedText(Extended(0.0001L)), "0.0001");
  EXPECT_EQ(ExtendedText(Extended(2.5E+20L)), "2.5E+20");
  EXPECT_EQ(ExtendedText(Extended(1E+100L)), "1E+100");
  EXPECT_EQ(ExtendedText(Extended(123456789012345678.0L)), "123456789012345678.0");
  // A double widened to extended needs more than 15 digits.
  EXPECT_EQ(ExtendedText(Extended(static_cast<long double>(0.1))), "0.10000000000000000555");
  EXPECT_EQ(ExtendedText(Extended(0.1L)), "0.1");

  const TExtendedBytes infinity = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
  const TExtendedBytes minusInfinity = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF};
  const TExtendedBytes nan = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
  EXPECT_EQ(ExtendedToText(infinity), "INF");
  EXPECT_EQ(ExtendedToText(minusInfinity), "-INF");
  EXPECT_EQ(ExtendedToText(nan), "NAN");
  EXPECT_TRUE(std::isinf(ExtendedToLongDouble(infinity)));
  EXPECT_TRUE(std::isnan(ExtendedToLongDouble(nan)));

  // Extremes and denormals come back bit for bit.
  const std::vector<std::string> extremes = {
      "\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00"s,  // smallest denormal
      "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F\x00\x00"s,  // largest denormal
      "\x00\x00\x00\x00\x00\x00\x00\x80\x01\x00"s,  // smallest normal
      "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFE\x7F"s,  // largest finite
      "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFE\xFF"s,  // its negative
      "\x35\xC2\x68\x21\xA2\xDA\x0F\xC9\x00\x40"s,  // pi
  };
  for (const std::string& bytes : extremes) {
    const std::string text = ValueText("\x05"s + bytes);
    EXPECT_EQ(ValueBytes(text), "\x05"s + bytes) << text;
  }
  EXPECT_EQ(ExtendedText(extremes[5]), "3.1415926535897932385");

  // An unnormal (integer bit clear) is written as the value its bits describe.
  EXPECT_EQ(ExtendedText("\x00\x00\x00\x00\x00\x00\x00\x40\xFF\x3F"s), "0.5");
}

// ---------------------------------------------------------------- text -> binary

TEST(ObjectText, ReadsIntegersInTheSmallestType) {
  EXPECT_EQ(ValueBytes("0"), "\x02\x00"s);
  EXPECT_EQ(ValueBytes("127"), "\x02\x7F"s);
  EXPECT_EQ(ValueBytes("-128"), "\x02\x80"s);
  EXPECT_EQ(ValueBytes("128"), "\x03\x80\x00"s);
  EXPECT_EQ(ValueBytes("-129"), "\x03\x7F\xFF"s);
  EXPECT_EQ(ValueBytes("32767"), "\x03\xFF\x7F"s);
  EXPECT_EQ(ValueBytes("-32768"), "\x03\x00\x80"s);
  EXPECT_EQ(ValueBytes("32768"), "\x04\x00\x80\x00\x00"s);
  EXPECT_EQ(ValueBytes("-32769"), "\x04\xFF\x7F\xFF\xFF"s);
  EXPECT_EQ(ValueBytes("2147483647"), "\x04\xFF\xFF\xFF\x7F"s);
  EXPECT_EQ(ValueBytes("-2147483648"), "\x04\x00\x00\x00\x80"s);
  EXPECT_EQ(ValueBytes("$FF"), "\x03\xFF\x00"s);
  EXPECT_EQ(ValueBytes("$FFFFFFFF"), "\x02\xFF"s);
}

TEST(ObjectText, ReadsIdentifiersStringsAndSets) {
  EXPECT_EQ(ValueBytes("false"), "\x08"s);
  EXPECT_EQ(ValueBytes("TRUE"), "\x09"s);
  EXPECT_EQ(ValueBytes("Nil"), "\x0D"s);
  EXPECT_EQ(ValueBytes("Null"), "\x07\x04Null"s);
  EXPECT_EQ(ValueBytes("clRed"), "\x07\x05" "clRed"s);
  EXPECT_EQ(ValueBytes("Form2.Button1"), "\x07\x0D" "Form2.Button1"s);
  EXPECT_EQ(ValueBytes("''"), "\x06\x00"s);
  EXPECT_EQ(ValueBytes("'It''s'#$41"), "\x06\x05It'sA"s);
  EXPECT_EQ(ValueBytes("\r\n    'first ' +\r\n    'second' + #13#10"), "\x06\x0E" "first second\r\n"s);
  EXPECT_EQ(ValueBytes("'" + std::string(255, 'a') + "'"), "\x06\xFF"s + std::string(255, 'a'));
  EXPECT_EQ(ValueBytes("'" + std::string(256, 'a') + "'"), "\x0C\x00\x01\x00\x00"s + std::string(256, 'a'));
  EXPECT_EQ(ValueBytes("[ ]"), "\x0B\x00"s);
  EXPECT_EQ(ValueBytes("[a,b , c]"), "\x0B\x01" "a\x01" "b\x01" "c\x00"s);
  EXPECT_EQ(ValueBytes("[0, 5]"), "\x0B\x01" "0\x01" "5\x00"s);
  EXPECT_EQ(ValueBytes("1.5"), "\x05"s + Extended(1.5L));
  EXPECT_EQ(ValueBytes("-0.0"), "\x05"s + Extended(-0.0L));
  EXPECT_EQ(ValueBytes("1E-5"), "\x05"s + Extended(1E-5L));
  EXPECT_EQ(ValueBytes("{ 01 02\r\n 0304 }"), "\x0A\x04\x00\x00\x00\x01\x02\x03\x04"s);
  EXPECT_EQ(ValueBytes("(1 'a' (nil))"), "\x01\x02\x01\x06\x01" "a\x01\x0D\x00\x00"s);
}

TEST(ObjectText, ReadsHeadersCollectionsAndKeywordsInAnyCase) {
  EXPECT_EQ(ObjectTextToBinary("OBJECT Form1: TForm1 END"), Bin().Object("TForm1", "Form1").End().End().Bytes());
  EXPECT_EQ(ObjectTextToBinary("object TTimer end"), Bin().Object("TTimer", "").End().End().Bytes());
  EXPECT_EQ(ObjectTextToBinary("Inherited F: TF [0] end"),
            Bin().Byte(0xF3).Byte(vaInt8).Byte(0).Object("TF", "F").End().End().Bytes());
  EXPECT_EQ(ObjectTextToBinary("object F: TF [-1] end"),
            Bin().Byte(0xF2).Byte(vaInt8).Byte(0xFF).Object("TF", "F").End().End().Bytes());
  EXPECT_EQ(ObjectTextToBinary("object A: TA Font . Name = 'x' object B: TB end inherited C: TC end end"),
            Bin()
                .Object("TA", "A")
                .Prop("Font.Name")
                .String("x")
                .End()
                .Object("TB", "B")
                .End()
                .End()
                .Byte(0xF1)
                .Object("TC", "C")
                .End()
                .End()
                .End()
                .Bytes());
  EXPECT_EQ(ValueBytes("<ITEM Width = 5 End item [300] end>"),
            "\x0E\x01\x05Width\x02\x05\x00\x03\x2C\x01\x01\x00\x00"s);
  // Anything after the root object is left alone.
  TStringStream in("object A: TA end\r\nobject B: TB end"), out;
  ObjectTextToBinary(in, out);
  EXPECT_EQ(out.DataString(), Bin().Object("TA", "A").End().End().Bytes());
  EXPECT_EQ(in.Position(), 18);
}

// Later versions' value types, inline frames and references without a module
// name: written as those versions write them, and read back to the same bytes.
TEST(ObjectText, LaterVersionsValuesRoundTrip) {
  const auto length = [](uint32_t n) { return std::string(reinterpret_cast<const char*>(&n), 4); };
  const std::string single = "\x0F"s + SingleBytes(1.5);
  const std::string currency = "\x10"s + Int64Bytes(15000);  // 1.5
  const std::string date = "\x11"s + DoubleBytes(45000.25);
  const std::string int64 = "\x13"s + Int64Bytes(5000000000);
  const std::string wide = "\x12"s + length(3) + "A\0\xAC\x20'\0"s;                   // A€'
  const std::string utf8 = "\x14"s + length(9) + "Caf\xC3\xA9 \xE2\x82\xAC"s;         // Café €
  EXPECT_EQ(ValueText(single), "1.5s");
  EXPECT_EQ(ValueText(currency), "15000c");
  EXPECT_EQ(ValueText(date), "45000.25d");
  EXPECT_EQ(ValueText(int64), "5000000000");
  EXPECT_EQ(ValueText(wide), "'A'#8364#39");
  EXPECT_EQ(ValueText(utf8), "'Caf'#233' '#8364");
  for (const std::string& bytes : {single, currency, date, int64, utf8})
    EXPECT_EQ(ValueBytes(ValueText(bytes)), bytes) << ValueText(bytes);
  // A string in pieces is one string, whichever piece holds the code.
  EXPECT_EQ(ValueBytes("'ab' +\r\n    'c'#8364 + 'd'"), "\x14\x07\0\0\0" "abc\xE2\x82\xAC" "d"s);
  // Without a code above 127 a string stays Delphi 3's.
  EXPECT_EQ(ValueBytes("'abc'#13"), "\x06\x04" "abc\r"s);
  EXPECT_EQ(ValueBytes(".Owner"), "\x07\x06.Owner"s);
  EXPECT_EQ(ValueBytes("-2147483648"), "\x04\x00\x00\x00\x80"s);

  const std::string frame = Bin().Object("TForm1", "Form1").End().Raw("\xF4"s).Object("TFrame1", "Frame1").End().End().End().Bytes();
  const std::string text = ObjectBinaryToText(frame);
  EXPECT_EQ(text, "object Form1: TForm1\r\n  inline Frame1: TFrame1\r\n  end\r\nend\r\n");
  EXPECT_EQ(ObjectTextToBinary(text), frame);
}

TEST(ObjectText, ResourceFormsCarryTheRootClassName) {
  TStringStream in("inherited Child: TChildForm [4]\r\n  Left = 1\r\nend\r\n"), out;
  ObjectTextToResource(in, out);
  const std::string binary = Bin().Byte(0xF3).Byte(vaInt8).Byte(4).Object("TChildForm", "Child").Prop("Left").Byte(vaInt8).Byte(1).End().End().Bytes();
  const uint32_t size = static_cast<uint32_t>(binary.size());
  EXPECT_EQ(out.DataString(), "\xFF\x0A\x00TCHILDFORM\x00\x30\x10"s + static_cast<char>(size) + "\x00\x00\x00"s + binary);

  const std::string longClass = "T" + std::string(80, 'x');
  TStringStream longIn("object " + longClass + " end"), longOut;
  ObjectTextToResource(longIn, longOut);
  EXPECT_EQ(longOut.DataString().substr(3, 64), "T" + std::string(62, 'X') + '\0');

  // And back.
  TStringStream resource(out.DataString()), text;
  ObjectResourceToText(resource, text);
  EXPECT_EQ(text.DataString(), "inherited Child: TChildForm [4]\r\n  Left = 1\r\nend\r\n");
}

TEST(ObjectText, StreamsStartAtTheirPositionAndLeaveTheRest) {
  const std::string object = Bin().Object("TA", "A").End().End().Bytes();
  TStringStream in("junk" + object + "trailing"), out("head");
  in.SetPosition(4);
  out.SetPosition(4);
  ObjectBinaryToText(in, out);
  EXPECT_EQ(out.DataString(), "headobject A: TA\r\nend\r\n");
  EXPECT_EQ(in.Position(), static_cast<int64_t>(4 + object.size()));

  size_t consumed = 0;
  ObjectBinaryToText(object + "more", &consumed);
  EXPECT_EQ(consumed, object.size());
}

// ---------------------------------------------------------------- malformed input

TEST(ObjectText, RejectsTruncatedBinaryWithReadErrors) {
  const std::string resource = ReadFileBytes(KORVAX_SAMPLE_FORMS "/delphi3-samples/03/SDITEMP/ABOUT.DFM");
  TStringStream header(resource);
  ReadResHeader(header);
  const std::string binary = resource.substr(static_cast<size_t>(header.Position()));
  for (size_t n = 4; n < binary.size(); ++n) {
    EXPECT_EQ(BinaryError(binary.substr(0, n)), "Stream read error") << n;
  }
  EXPECT_EQ(BinaryError(""), "Stream read error");
  EXPECT_EQ(BinaryError("TPF"), "Stream read error");
}

TEST(ObjectText, RejectsBadStructureWithReadErrors) {
  EXPECT_EQ(BinaryError("TPF1\x02TA\x01" "A\x00\x00"s), "Invalid stream format");
  EXPECT_EQ(BinaryError("\xFF\x0A\x00TA\x00\x30\x10\x00\x00\x00\x00TPF0"s), "Invalid stream format");
  // A resource without its header.
  EXPECT_EQ(ErrorOf<EInvalidImage>([] {
              TStringStream in(Bin().Object("TA", "A").End().End().Bytes()), out;
              ObjectResourceToText(in, out);
            }),
            "Invalid stream format");
  // vaNull where a value belongs, and value types no version writes: the message
  // names the type and the property.
  EXPECT_EQ(BinaryError(OneProperty("\x00\x00\x00\x00\x00"s)), "Invalid stream format");
  for (int type : {22, 0x80, 0xFF}) {
    EXPECT_EQ(BinaryError(OneProperty(std::string(1, static_cast<char>(type)) + "\x00\x00\x00\x00"s)),
              "Invalid stream format: value type " + std::to_string(type) + " of property P is unknown");
  }
  // A collection item whose properties do not start with a list.
  EXPECT_EQ(BinaryError(OneProperty("\x0E\x02\x01\x06\x00\x00"s)), "Invalid stream format");
  // A child position that is not an integer.
  EXPECT_EQ(BinaryError("TPF0\xF2\x06\x01x\x02TA\x01" "A\x00\x00"s), "Invalid stream format");
}

TEST(ObjectText, RejectsAbsurdLengthsWithoutAllocating) {
  EXPECT_EQ(BinaryError(OneProperty("\x0C\xFF\xFF\xFF\xFF" "abc"s)), "Stream read error");
  EXPECT_EQ(BinaryError(OneProperty("\x0A\xFF\xFF\xFF\xFF" "abc"s)), "Stream read error");
  EXPECT_EQ(BinaryError(OneProperty("\x0A\x00\x00\x00\x80"s)), "Stream read error");
  EXPECT_EQ(BinaryError(OneProperty("\x06\xFF" "abc"s)), "Stream read error");
  EXPECT_EQ(BinaryError("TPF0\x10" "abc"s), "Stream read error");
}

TEST(ObjectText, RejectsDeepNestingInBothDirections) {
  // Lists, objects and collections beyond the limit; no stack overflow.
  std::string lists = Bin().Object("TX", "X").Prop("P").Bytes();
  for (int i = 0; i < 100000; ++i) lists += '\x01';
  EXPECT_EQ(BinaryError(lists), "Invalid stream format");

  std::string objects = "TPF0";
  for (int i = 0; i < 100000; ++i) objects += "\x01T\x00\x00"s;
  EXPECT_EQ(BinaryError(objects), "Invalid stream format");

  std::string collections = Bin().Object("TX", "X").Prop("P").Bytes();
  for (int i = 0; i < 100000; ++i) collections += "\x0E\x01\x01P"s;
  EXPECT_EQ(BinaryError(collections), "Invalid stream format");

  // Within the limit it works.
  std::string deep = Bin().Object("TX", "X").Prop("P").Bytes();
  for (int i = 0; i < kMaxObjectNesting - 1; ++i) deep += '\x01';
  deep += std::string(static_cast<size_t>(kMaxObjectNesting - 1), '\x00') + "\x00\x00"s;
  EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(deep)), deep);

  EXPECT_EQ(TextError("object X: TX P = " + std::string(100000, '(')), "Objects nested too deeply on line 1");
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "object A: TA\n";
  EXPECT_EQ(TextError(text), "Objects nested too deeply on line 1001");
  EXPECT_EQ(TextError("object X: TX P = " + [] {
              std::string s;
              for (int i = 0; i < 100000; ++i) s += "<item P = ";
              return s;
            }()),
            "Objects nested too deeply on line 1");
}

TEST(ObjectText, RejectsMalformedTextWithParserErrors) {
  // Structure.
  EXPECT_EQ(TextError(""), "object expected on line 1");
  EXPECT_EQ(TextError("form X: TX end"), "object expected on line 1");
  EXPECT_EQ(TextError("object : TX end"), "Identifier expected on line 1");
  EXPECT_EQ(TextError("object X: end"), "Identifier expected on line 1");
  EXPECT_EQ(TextError("object X: TX\r\n  Left 1\r\nend"), "'=' expected on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  Left = 1\r\n"), "Identifier expected on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  Left = 1\r\n  object Y: TY\r\n  end\r\n"), "object expected on line 5");
  EXPECT_EQ(TextError("object X: TX [a] end"), "Number expected on line 1");
  EXPECT_EQ(TextError("object X: TX [1 end"), "']' expected on line 1");
  EXPECT_EQ(TextError("object X: TX\r\n  Font. = 1\r\nend"), "Identifier expected on line 2");
  // Values.
  EXPECT_EQ(TextError("object X: TX\r\n  P = )\r\nend"), "Invalid property value on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = -\r\nend"), "Invalid property value on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = 'abc\r\nend"), "Unterminated string on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = 'a' +\r\n  Q = 1\r\nend"), "String expected on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = 'a'#70000\r\nend"), "Invalid character code in string on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = 9223372036854775808\r\nend"), "'9223372036854775808' is not a valid integer value on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = 1E5000\r\nend"), "'1E5000' is not a valid floating point value on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = {ABC}\r\nend"), "Invalid binary value on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = {\r\n    ABCG}\r\nend"), "Invalid binary value on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = {ABCD\r\n"), "Unterminated binary value on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = [a b]\r\nend"), "',' expected on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = ['a']\r\nend"), "Identifier expected on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = (1 2\r\n"), "Invalid property value on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = <\r\n    thing\r\n  >\r\nend"), "item expected on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = <item\r\n"), "Identifier expected on line 3");
  EXPECT_EQ(TextError("object X: TX\r\n  P = Form1.\r\nend"), "Identifier expected on line 2");
  // Names are short strings.
  EXPECT_EQ(TextError("object X: TX\r\n  " + std::string(256, 'P') + " = 1\r\nend"), "Identifier too long on line 2");
  EXPECT_EQ(TextError("object X: TX\r\n  P = [" + std::string(256, 'e') + "]\r\nend"), "Identifier too long on line 2");
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary("object X: TX\r\n  " + std::string(255, 'P') + " = 1\r\nend")),
            "object X: TX\r\n  " + std::string(255, 'P') + " = 1\r\nend\r\n");
}
