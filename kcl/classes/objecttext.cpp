#include "kcl/classes/objecttext.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

#include "kcl/classes/filer.h"
#include "kcl/classes/parser.h"
#include "kcl/classes/resheader.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr size_t kLineLength = 64;    // string bytes per text line
constexpr uint32_t kBytesPerLine = 32;  // binary bytes per text line

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// The rest of the stream from its position: in place for memory and string
// streams, else read into owned.
std::string_view StreamBytes(TStream& stream, std::string& owned) {
  const int64_t position = stream.Position();
  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
    const std::string_view all = memory->View();
    return all.substr(std::min(all.size(), static_cast<size_t>(position)));
  }
  if (auto* string = dynamic_cast<TStringStream*>(&stream)) {
    const std::string_view all = string->DataString();
    return all.substr(std::min(all.size(), static_cast<size_t>(position)));
  }
  owned = stream.ReadRest();
  return owned;
}

[[noreturn]] void InvalidStream() { throw EReadError(msg::InvalidImage); }
[[noreturn]] void ShortStream() { throw EReadError(msg::ReadError); }

// ---------------------------------------------------------------- 80-bit floats

struct ExtendedParts {
  bool negative;
  int exponent;       // biased, 0..0x7FFF
  uint64_t mantissa;  // with the explicit integer bit 63
};

ExtendedParts SplitExtended(const unsigned char (&b)[10]) {
  uint64_t m = 0;
  for (int i = 7; i >= 0; --i) m = (m << 8) | b[i];
  const unsigned se = b[8] | (static_cast<unsigned>(b[9]) << 8);
  return {(se & 0x8000) != 0, static_cast<int>(se & 0x7FFF), m};
}

// The value of a finite extended; non-canonical encodings (unnormals, pseudo-
// denormals) get the value their bits describe.
long double FiniteValue(const ExtendedParts& p) {
  long double v = 0;
  if (p.mantissa != 0) v = std::ldexp(static_cast<long double>(p.mantissa), std::max(p.exponent, 1) - 16383 - 63);
  return p.negative ? -v : v;
}

bool SameValue(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }

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
    FOut += (flags & ffInherited) ? "inherited " : "object ";
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
    FOut += FIn.ReadStr();
    FOut += " = ";
    ConvertValue();
    FOut += "\r\n";
  }

  void ConvertString(std::string_view s) {
    const size_t length = s.size();
    if (length == 0) {
      FOut += "''";
      return;
    }
    ++FLevel;
    if (length > kLineLength) NewLine();
    const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
    size_t i = 0;
    size_t lineStart = 0;
    do {
      bool lineBreak = false;
      if (bytes[i] >= ' ' && bytes[i] != '\'') {
        const size_t runStart = i;
        do {
          ++i;
        } while (i < length && bytes[i] >= ' ' && bytes[i] != '\'' && i - lineStart < kLineLength);
        if (i - lineStart >= kLineLength) lineBreak = true;
        FOut += '\'';
        FOut.append(s.data() + runStart, i - runStart);
        FOut += '\'';
      } else {
        FOut += '#';
        WriteInt(bytes[i]);
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
        unsigned char bytes[10];
        std::memcpy(bytes, FIn.ReadBytes(10).data(), 10);
        FOut += ExtendedToText(bytes);
        break;
      }
      case vaString: ConvertString(FIn.ReadStr()); break;
      case vaLString: ConvertString(FIn.ReadBytes(FIn.ReadUInt32())); break;
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
      default: InvalidStream();  // vaNull where a value belongs, or a type newer than Delphi 3
    }
  }

  BinaryInput FIn;
  std::string& FOut;
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

  void ConvertHeader(bool isInherited) {
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
    const uint8_t flags = (isInherited ? ffInherited : 0) | (hasPosition ? ffChildPos : 0);
    if (flags != 0) {
      WriteByte(0xF0 | flags);
      if (hasPosition) WriteInteger(position);
    }
    WriteStr(className);
    WriteStr(objectName);
  }

  void ConvertObject() {
    Nest nest(FDepth, FParser);
    const bool isInherited = FParser.TokenSymbolIs("inherited");
    if (!isInherited) FParser.CheckTokenSymbol("object");
    FParser.NextToken();
    ConvertHeader(isInherited);
    while (!FParser.TokenSymbolIs("end") && !FParser.TokenSymbolIs("object") && !FParser.TokenSymbolIs("inherited"))
      ConvertProperty();
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
      FString.assign(FParser.TokenView());
      while (FParser.NextToken() == '+') {
        FParser.NextToken();
        FParser.CheckToken(toString);
        FString += FParser.TokenView();
      }
      WriteString(FString);
      return;
    }
    switch (FParser.Token()) {
      case toSymbol: WriteIdent(FParser.TokenComponentIdent()); break;
      case toInteger: WriteInteger(FParser.TokenInt()); break;
      case toFloat: {
        unsigned char bytes[10];
        LongDoubleToExtended(FParser.TokenFloat(), bytes);
        WriteByte(vaExtended);
        FOut.append(reinterpret_cast<const char*>(bytes), 10);
        break;
      }
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

// ---------------------------------------------------------------- floats

long double ExtendedToLongDouble(const unsigned char (&bytes)[10]) {
  const ExtendedParts p = SplitExtended(bytes);
  if (p.exponent == 0x7FFF) {
    if ((p.mantissa << 1) == 0) return p.negative ? -HUGE_VALL : HUGE_VALL;
    return p.negative ? -std::numeric_limits<long double>::quiet_NaN() : std::numeric_limits<long double>::quiet_NaN();
  }
  return FiniteValue(p);
}

void LongDoubleToExtended(long double value, unsigned char (&bytes)[10]) {
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && (defined(__x86_64__) || defined(__i386__))
  // The x87 type: its first ten bytes are the extended.
  std::memcpy(bytes, &value, 10);
#else
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000u;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000u;
  } else if (value != 0) {
    int e = 0;
    const long double f = std::frexp(std::fabs(value), &e);  // value = f * 2^e, f in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(f, 64));
    exponent = e - 1 + 16383;
    if (exponent <= 0) {
      mantissa >>= std::min(1 - exponent, 63);
      exponent = 0;
    }
  }
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
  const unsigned se = static_cast<unsigned>(exponent) | (std::signbit(value) ? 0x8000u : 0u);
  bytes[8] = static_cast<unsigned char>(se);
  bytes[9] = static_cast<unsigned char>(se >> 8);
#endif
}

std::string ExtendedToText(const unsigned char (&bytes)[10]) {
  const ExtendedParts p = SplitExtended(bytes);
  if (p.exponent == 0x7FFF) {
    if ((p.mantissa << 1) == 0) return p.negative ? "-INF" : "INF";
    return "NAN";
  }
  const long double value = FiniteValue(p);
  char buf[64];
  char* end = buf;
  for (int precision = 15; precision <= 21; ++precision) {
    end = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::general, precision).ptr;
    *end = '\0';
    if (SameValue(strtold_l(buf, nullptr, CLocale()), value)) break;
  }
  // "1e-05" -> "1E-5", "2.5e+20" -> "2.5E+20", "1" -> "1.0" (an integer would read
  // back as one).
  std::string text;
  bool hasPoint = false;
  bool hasExponent = false;
  for (const char* c = buf; c < end; ++c) {
    if (*c == '.') hasPoint = true;
    if (*c == 'e') {
      hasExponent = true;
      text += 'E';
      ++c;
      text += *c;  // the sign
      while (c + 1 < end - 1 && c[1] == '0') ++c;
      continue;
    }
    text += *c;
  }
  if (!hasPoint && !hasExponent) text += ".0";
  return text;
}

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
  TParser parser{std::string(text)};
  std::string binary;
  binary.reserve(text.size());
  TextToBinary(parser, binary).Run();
  return binary;
}

void ObjectBinaryToText(TStream& input, TStream& output) {
  const int64_t start = input.Position();
  std::string owned;
  const std::string_view binary = StreamBytes(input, owned);
  size_t consumed = 0;
  std::string text;
  try {
    text = ObjectBinaryToText(binary, &consumed);
  } catch (...) {
    input.SetPosition(start);
    throw;
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
