#include "kcl/classes/objecttext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "kcl/classes/extended.h"
#include "kcl/classes/filer.h"
#include "kcl/classes/parser.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/valuebytes.h"
#include "kcl/rtl/codepage.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr size_t kLineLength = 64;    // string bytes per text line
constexpr uint32_t kBytesPerLine = 32;  // binary bytes per text line

[[noreturn]] void InvalidStream() { throw EReadError(msg::InvalidImage); }
[[noreturn]] void ShortStream() { throw EReadError(msg::ReadError); }

// ---------------------------------------------------------------- binary input

class BinaryInput {
public:
  explicit BinaryInput(std::string_view data)
      : FBegin(reinterpret_cast<const uint8_t*>(data.data())), FPos(FBegin), FEnd(FBegin + data.size()) {}

  size_t Consumed() const { return static_cast<size_t>(FPos - FBegin); }
  size_t Remaining() const { return static_cast<size_t>(FEnd - FPos); }

  uint8_t Peek() const {
    if (FPos == FEnd) ShortStream();
    return *FPos;
  }
  uint8_t ReadByte() {
    if (FPos == FEnd) ShortStream();
    return *FPos++;
  }
  std::string_view ReadBytes(size_t count) {
    if (count > Remaining()) ShortStream();
    const char* p = reinterpret_cast<const char*>(FPos);
    FPos += count;
    return {p, count};
  }
  std::string_view ReadStr() { return ReadBytes(ReadByte()); }
  uint32_t ReadUInt32() {
    const std::string_view b = ReadBytes(4);
    return static_cast<uint32_t>(static_cast<uint8_t>(b[0])) | static_cast<uint32_t>(static_cast<uint8_t>(b[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[3])) << 24;
  }
  // The value of vaInt8/vaInt16/vaInt32 whose type byte was read.
  int32_t ReadIntBody(uint8_t type) {
    switch (type) {
      case vaInt8: return static_cast<int8_t>(ReadByte());
      case vaInt16: {
        const std::string_view b = ReadBytes(2);
        return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8));
      }
      case vaInt32: return static_cast<int32_t>(ReadUInt32());
      default: InvalidStream();
    }
  }

private:
  const uint8_t* FBegin;
  const uint8_t* FPos;
  const uint8_t* FEnd;
};

bool IsIntType(uint8_t type) { return type == vaInt8 || type == vaInt16 || type == vaInt32; }

// ---------------------------------------------------------------- binary -> text

class BinaryToText {
public:
  BinaryToText(std::string_view data, std::string& out) : FIn(data), FOut(out) {}

  void Run() {
    const std::string_view signature = FIn.ReadBytes(4);
    if (signature != "TPF0") InvalidStream();
    ConvertObject();
  }
  size_t Consumed() const { return FIn.Consumed(); }

private:
  struct Nest {
    explicit Nest(int& depth) : FDepth(depth) {
      if (++FDepth > kMaxObjectNesting) InvalidStream();
    }
    ~Nest() { --FDepth; }
    int& FDepth;
  };

  void Indent() { FOut.append(static_cast<size_t>(FLevel) * 2, ' '); }
  void NewLine() {
    FOut += "\r\n";
    Indent();
  }
  void WriteInt(int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    FOut.append(buf, r.ptr);
  }
  bool EndOfList() { return FIn.Peek() == vaNull; }
  void ReadListEnd() {
    if (FIn.ReadByte() != vaNull) InvalidStream();
  }

  void ConvertHeader() {
    uint8_t flags = 0;
    bool hasPos = false;
    int32_t pos = 0;
    if ((FIn.Peek() & 0xF0) == 0xF0) {
      flags = FIn.ReadByte() & 0x0F;
      if (flags & ffChildPos) {
        hasPos = true;
        pos = FIn.ReadIntBody(FIn.ReadByte());
      }
    }
    const std::string_view className = FIn.ReadStr();
    const std::string_view objectName = FIn.ReadStr();
    Indent();
    FOut += (flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ";
    if (!objectName.empty()) {
      FOut += objectName;
      FOut += ": ";
    }
    FOut += className;
    if (hasPos) {
      FOut += " [";
      WriteInt(pos);
      FOut += ']';
    }
    FOut += "\r\n";
  }

  void ConvertObject() {
    Nest nest(FDepth);
    ConvertHeader();
    ++FLevel;
    while (!EndOfList()) ConvertProperty();
    ReadListEnd();
    while (!EndOfList()) ConvertObject();
    ReadListEnd();
    --FLevel;
    Indent();
    FOut += "end\r\n";
  }

  void ConvertProperty() {
    Indent();
    FPropName = FIn.ReadStr();
    FOut += FPropName;
    FOut += " = ";
    ConvertValue();
    FOut += "\r\n";
  }

  // Printable characters go in quotes, the others as #n codes; a later version's
  // Unicode string writes every character above 127 as its code (#8364).
  template <class Char>
  void ConvertString(std::basic_string_view<Char> s) {
    const size_t length = s.size();
    if (length == 0) {
      FOut += "''";
      return;
    }
    const auto quoted = [](Char c) {
      const auto code = static_cast<std::make_unsigned_t<Char>>(c);
      return code >= ' ' && c != '\'' && (sizeof(Char) == 1 || code < 127);
    };
    ++FLevel;
    if (length > kLineLength) NewLine();
    size_t i = 0;
    size_t lineStart = 0;
    do {
      bool lineBreak = false;
      if (quoted(s[i])) {
        FOut += '\'';
        const size_t runStart = i;
        do {
          ++i;
        } while (i < length && quoted(s[i]) && i - lineStart < kLineLength);
        if constexpr (sizeof(Char) == 1)
          FOut.append(s.data() + runStart, i - runStart);
        else
          for (size_t k = runStart; k < i; ++k) FOut += static_cast<char>(s[k]);
        if (i - lineStart >= kLineLength) lineBreak = true;
        FOut += '\'';
      } else {
        FOut += '#';
        WriteInt(static_cast<std::make_unsigned_t<Char>>(s[i]));
        ++i;
        if (i - lineStart >= kLineLength) lineBreak = true;
      }
      if (lineBreak && i < length) {
        FOut += " +";
        NewLine();
        lineStart = i;
      }
    } while (i < length);
    --FLevel;
  }

  // Later versions write these as FloatToStr does, a whole number without ".0":
  // the type letter tells it from an integer.
  void ConvertFloat(long double value, const char* typeLetter) {
    std::string text = ExtendedToText(LongDoubleToExtended(value));
    if (*typeLetter && text.ends_with(".0")) text.resize(text.size() - 2);
    FOut += text;
    FOut += typeLetter;
  }

  void ConvertBinary() {
    static constexpr char kHex[] = "0123456789ABCDEF";
    uint32_t count = FIn.ReadUInt32();
    const std::string_view data = FIn.ReadBytes(count);
    FOut += '{';
    ++FLevel;
    const bool multiLine = count >= kBytesPerLine;
    const auto* p = reinterpret_cast<const uint8_t*>(data.data());
    while (count > 0) {
      if (multiLine) NewLine();
      const uint32_t n = std::min(count, kBytesPerLine);
      char text[kBytesPerLine * 2];
      for (uint32_t i = 0; i < n; ++i) {
        text[2 * i] = kHex[p[i] >> 4];
        text[2 * i + 1] = kHex[p[i] & 15];
      }
      FOut.append(text, n * 2);
      p += n;
      count -= n;
    }
    --FLevel;
    FOut += '}';
  }

  void ConvertValue() {
    const uint8_t type = FIn.ReadByte();
    switch (type) {
      case vaList: {
        Nest nest(FDepth);
        FOut += '(';
        ++FLevel;
        while (!EndOfList()) {
          NewLine();
          ConvertValue();
        }
        ReadListEnd();
        --FLevel;
        FOut += ')';
        break;
      }
      case vaInt8:
      case vaInt16:
      case vaInt32: WriteInt(FIn.ReadIntBody(type)); break;
      case vaExtended: {
        TExtendedBytes bytes{};
        std::memcpy(bytes.data(), FIn.ReadBytes(10).data(), bytes.size());
        FOut += ExtendedToText(bytes);
        break;
      }
      case vaString: ConvertString(FIn.ReadStr()); break;
      case vaLString: ConvertString(FIn.ReadBytes(FIn.ReadUInt32())); break;
      case vaWString:
        ConvertString(std::u16string_view(WideStringValue(FIn.ReadBytes(2 * static_cast<size_t>(FIn.ReadUInt32())))));
        break;
      case vaUTF8String: ConvertString(std::u16string_view(codepage::Utf8ToUtf16(FIn.ReadBytes(FIn.ReadUInt32())))); break;
      case vaInt64: WriteInt(Int64Value(FIn.ReadBytes(8))); break;
      case vaSingle: ConvertFloat(SingleValue(FIn.ReadBytes(4)), "s"); break;
      case vaCurrency: ConvertFloat(static_cast<long double>(Int64Value(FIn.ReadBytes(8))), "c"); break;
      case vaDate: ConvertFloat(DoubleValue(FIn.ReadBytes(8)), "d"); break;
      case vaDouble: ConvertFloat(DoubleValue(FIn.ReadBytes(8)), ""); break;
      case vaIdent: FOut += FIn.ReadStr(); break;
      case vaFalse: FOut += "False"; break;
      case vaTrue: FOut += "True"; break;
      case vaNil: FOut += "nil"; break;
      case vaBinary: ConvertBinary(); break;
      case vaSet: {
        FOut += '[';
        for (bool first = true;; first = false) {
          const std::string_view name = FIn.ReadStr();
          if (name.empty()) break;
          if (!first) FOut += ", ";
          FOut += name;
        }
        FOut += ']';
        break;
      }
      case vaCollection: {
        Nest nest(FDepth);
        FOut += '<';
        ++FLevel;
        while (!EndOfList()) {
          NewLine();
          FOut += "item";
          const uint8_t next = FIn.Peek();
          if (IsIntType(next)) {
            FIn.ReadByte();
            FOut += " [";
            WriteInt(FIn.ReadIntBody(next));
            FOut += ']';
          }
          FOut += "\r\n";
          if (FIn.ReadByte() != vaList) InvalidStream();
          ++FLevel;
          while (!EndOfList()) ConvertProperty();
          ReadListEnd();
          --FLevel;
          Indent();
          FOut += "end";
        }
        ReadListEnd();
        --FLevel;
        FOut += '>';
        break;
      }
      case vaNull: InvalidStream();  // where a value belongs
      default: throw EReadError(Format(msg::UnknownValueType, {ValueTypeName(type), FPropName}));
    }
  }

  BinaryInput FIn;
  std::string& FOut;
  std::string FPropName;
  int FLevel = 0;
  int FDepth = 0;
};

// ---------------------------------------------------------------- text -> binary

class TextToBinary {
public:
  TextToBinary(TParser& parser, std::string& out) : FParser(parser), FOut(out) {}

  void Run() {
    FOut += "TPF0";
    ConvertObject();
  }

private:
  struct Nest {
    Nest(int& depth, const TParser& parser) : FDepth(depth) {
      if (++FDepth > kMaxObjectNesting) parser.Error("Objects nested too deeply");
    }
    ~Nest() { --FDepth; }
    int& FDepth;
  };

  void WriteByte(uint8_t b) { FOut += static_cast<char>(b); }
  void WriteUInt32(uint32_t v) {
    const char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
    FOut.append(b, 4);
  }
  void WriteStr(std::string_view s) {
    if (s.size() > 255) FParser.Error("Identifier too long");
    WriteByte(static_cast<uint8_t>(s.size()));
    FOut += s;
  }
  void WriteInteger(int32_t v) {
    if (v >= -128 && v <= 127) {
      WriteByte(vaInt8);
      WriteByte(static_cast<uint8_t>(v));
    } else if (v >= -32768 && v <= 32767) {
      WriteByte(vaInt16);
      WriteByte(static_cast<uint8_t>(v));
      WriteByte(static_cast<uint8_t>(v >> 8));
    } else {
      WriteByte(vaInt32);
      WriteUInt32(static_cast<uint32_t>(v));
    }
  }
  void WriteString(std::string_view s) {
    if (s.size() <= 255) {
      WriteByte(vaString);
      WriteByte(static_cast<uint8_t>(s.size()));
    } else {
      if (s.size() > 0xFFFFFFFFu) FParser.Error("String too long");
      WriteByte(vaLString);
      WriteUInt32(static_cast<uint32_t>(s.size()));
    }
    FOut += s;
  }
  void WriteUtf8String(const std::string& bytes) {
    if (bytes.size() > 0xFFFFFFFFu) FParser.Error("String too long");
    WriteByte(vaUTF8String);
    WriteUInt32(static_cast<uint32_t>(bytes.size()));
    FOut += bytes;
  }

  void ConvertFloat() {
    const long double value = FParser.TokenFloat();
    switch (FParser.FloatType()) {
      case 's': WriteByte(vaSingle), FOut += SingleBytes(value); break;
      case 'c': WriteByte(vaCurrency), FOut += Int64Bytes(static_cast<int64_t>(std::llround(value))); break;
      case 'd': WriteByte(vaDate), FOut += DoubleBytes(value); break;
      default: {
        const TExtendedBytes bytes = LongDoubleToExtended(value);
        WriteByte(vaExtended);
        FOut.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
      }
    }
  }

  void WriteIdent(std::string_view ident) {
    if (SameText(ident, "False")) {
      WriteByte(vaFalse);
    } else if (SameText(ident, "True")) {
      WriteByte(vaTrue);
    } else if (SameText(ident, "nil")) {
      WriteByte(vaNil);
    } else {
      WriteByte(vaIdent);
      WriteStr(ident);
    }
  }

  // " [n]" after an object header or "item".
  bool ConvertOrderModifier(int32_t& order) {
    if (FParser.Token() != '[') return false;
    FParser.NextToken();
    FParser.CheckToken(toInteger);
    order = FParser.TokenInt();
    FParser.NextToken();
    FParser.CheckToken(']');
    FParser.NextToken();
    return true;
  }

  void ConvertHeader(uint8_t kind) {
    FParser.CheckToken(toSymbol);
    std::string className = FParser.TokenString();
    std::string objectName;
    if (FParser.NextToken() == ':') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      objectName = std::move(className);
      className = FParser.TokenString();
      FParser.NextToken();
    }
    int32_t position = 0;
    const bool hasPosition = ConvertOrderModifier(position);
    const uint8_t flags = kind | (hasPosition ? ffChildPos : 0);
    if (flags != 0) {
      WriteByte(0xF0 | flags);
      if (hasPosition) WriteInteger(position);
    }
    WriteStr(className);
    WriteStr(objectName);
  }

  bool AtObject() const {
    return FParser.TokenSymbolIs("object") || FParser.TokenSymbolIs("inherited") || FParser.TokenSymbolIs("inline");
  }

  void ConvertObject() {
    Nest nest(FDepth, FParser);
    const uint8_t flags = FParser.TokenSymbolIs("inherited") ? ffInherited : FParser.TokenSymbolIs("inline") ? ffInline : 0;
    if (flags == 0) FParser.CheckTokenSymbol("object");
    FParser.NextToken();
    ConvertHeader(flags);
    while (!FParser.TokenSymbolIs("end") && !AtObject()) ConvertProperty();
    WriteByte(vaNull);
    while (!FParser.TokenSymbolIs("end")) ConvertObject();
    WriteByte(vaNull);
    FParser.NextToken();
  }

  void ConvertProperty() {
    FParser.CheckToken(toSymbol);
    FName.assign(FParser.TokenView());
    FParser.NextToken();
    while (FParser.Token() == '.') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      FName += '.';
      FName += FParser.TokenView();
      FParser.NextToken();
    }
    WriteStr(FName);
    FParser.CheckToken('=');
    FParser.NextToken();
    ConvertValue();
  }

  void ConvertValue() {
    if (FParser.Token() == toString) {
      // Pieces are joined as bytes until one holds a character above 127.
      bool wide = FParser.TokenIsWide();
      if (wide)
        FWideString = FParser.TokenWideString();
      else
        FString.assign(FParser.TokenView());
      while (FParser.NextToken() == '+') {
        FParser.NextToken();
        FParser.CheckToken(toString);
        if (!wide && FParser.TokenIsWide()) {
          FWideString = codepage::AnsiToUtf16(FString);
          wide = true;
        }
        if (wide)
          FWideString += FParser.TokenWideString();
        else
          FString += FParser.TokenView();
      }
      if (wide)
        WriteUtf8String(codepage::Utf16ToUtf8(FWideString));
      else
        WriteString(FString);
      return;
    }
    switch (FParser.Token()) {
      case toSymbol: WriteIdent(FParser.TokenComponentIdent()); break;
      case '.':
        // A reference to a component of another module written without the
        // module's name.
        FParser.NextToken();
        WriteIdent("." + FParser.TokenComponentIdent());
        break;
      case toInteger:
        if (FParser.TokenFitsInt()) {
          WriteInteger(FParser.TokenInt());
        } else {
          WriteByte(vaInt64);
          FOut += Int64Bytes(FParser.TokenInt64());
        }
        break;
      case toFloat: ConvertFloat(); break;
      case '[':
        FParser.NextToken();
        WriteByte(vaSet);
        if (FParser.Token() != ']') {
          for (;;) {
            if (FParser.Token() != toInteger) FParser.CheckToken(toSymbol);
            WriteStr(FParser.TokenView());
            if (FParser.NextToken() == ']') break;
            FParser.CheckToken(',');
            FParser.NextToken();
          }
        }
        WriteByte(0);
        break;
      case '(': {
        Nest nest(FDepth, FParser);
        FParser.NextToken();
        WriteByte(vaList);
        while (FParser.Token() != ')') ConvertValue();
        WriteByte(vaNull);
        break;
      }
      case '{':
        FParser.HexToBinary(FString);
        if (FString.size() > 0xFFFFFFFFu) FParser.Error("Binary value too long");
        WriteByte(vaBinary);
        WriteUInt32(static_cast<uint32_t>(FString.size()));
        FOut += FString;
        break;
      case '<': {
        Nest nest(FDepth, FParser);
        FParser.NextToken();
        WriteByte(vaCollection);
        while (FParser.Token() != '>') {
          FParser.CheckTokenSymbol("item");
          FParser.NextToken();
          int32_t index = 0;
          if (ConvertOrderModifier(index)) WriteInteger(index);
          WriteByte(vaList);
          while (!FParser.TokenSymbolIs("end")) ConvertProperty();
          WriteByte(vaNull);
          FParser.NextToken();
        }
        WriteByte(vaNull);
        break;
      }
      default: FParser.Error(msg::InvalidPropertyValue);
    }
    FParser.NextToken();
  }

  TParser& FParser;
  std::string& FOut;
  std::string FName;
  std::string FString;
  std::u16string FWideString;
  int FDepth = 0;
};

// The root's class name in a binary stream made by TextToBinary.
std::string RootClassName(std::string_view binary) {
  BinaryInput in(binary);
  in.ReadBytes(4);
  if ((in.Peek() & 0xF0) == 0xF0) {
    const uint8_t flags = in.ReadByte();
    if (flags & ffChildPos) in.ReadIntBody(in.ReadByte());
  }
  return std::string(in.ReadStr());
}

}  // namespace

// ---------------------------------------------------------------- conversions

std::string ObjectBinaryToText(std::string_view binary, size_t* consumed) {
  std::string text;
  text.reserve(binary.size() * 2);
  BinaryToText converter(binary, text);
  converter.Run();
  if (consumed) *consumed = converter.Consumed();
  return text;
}

std::string ObjectTextToBinary(std::string_view text) {
  TParser parser{text};
  std::string binary;
  binary.reserve(text.size());
  TextToBinary(parser, binary).Run();
  return binary;
}

void ObjectBinaryToText(TStream& input, TStream& output) {
  const int64_t start = input.Position();
  std::string owned;
  const std::string_view binary = ViewRest(input, owned);
  size_t consumed = 0;
  std::string text;
  {
    OnScopeFailure rewind([&] { input.SetPosition(start); });
    text = ObjectBinaryToText(binary, &consumed);
  }
  input.SetPosition(start + static_cast<int64_t>(consumed));
  output.WriteString(text);
}

void ObjectTextToBinary(TStream& input, TStream& output) {
  std::string binary;
  binary.reserve(static_cast<size_t>(std::max<int64_t>(0, input.Size() - input.Position())));
  {
    TParser parser(input);
    TextToBinary(parser, binary).Run();
  }
  output.WriteString(binary);
}

void ObjectResourceToText(TStream& input, TStream& output) {
  ReadResHeader(input);
  ObjectBinaryToText(input, output);
}

std::string ObjectTextToResource(std::string_view text) {
  const std::string binary = ObjectTextToBinary(text);
  TMemoryStream resource;
  const int64_t dataStart = WriteResourceHeader(resource, RootClassName(binary));
  resource.WriteBuffer(binary.data(), static_cast<int64_t>(binary.size()));
  FixupResourceHeader(resource, dataStart);
  return std::string(resource.View());
}

void ObjectTextToResource(TStream& input, TStream& output) {
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  TMemoryStream resource;
  const int64_t dataStart = WriteResourceHeader(resource, RootClassName(binary.View()));
  resource.WriteBuffer(binary.Memory(), binary.Size());
  FixupResourceHeader(resource, dataStart);
  output.WriteBuffer(resource.Memory(), resource.Size());
}

}  // namespace kcl
