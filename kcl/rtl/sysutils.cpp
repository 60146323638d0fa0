#include "kcl/rtl/sysutils.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "kcl/rtl/exceptions.h"

namespace kcl {

namespace {

constexpr const char* FormatErrorText = "Format '%s' invalid or incompatible with argument";
// Keeps a malformed format or digit count from asking for gigabytes of padding.
constexpr int MaxFieldWidth = 1 << 20;

[[noreturn]] void FormatError(std::string_view format) { throw EConvertError(Format(FormatErrorText, {format})); }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  const char u = ToUpper(c);
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// Negative 32-bit values show as the framework's 32-bit unsigned numbers do.
uint64_t UnsignedView(int64_t value) {
  if (value < 0 && value >= std::numeric_limits<int32_t>::min())
    return static_cast<uint32_t>(static_cast<int32_t>(value));
  return static_cast<uint64_t>(value);
}

std::string Digits(uint64_t value, unsigned base) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string s;
  do {
    s.insert(s.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return s;
}

std::string ZeroPadded(std::string digits, int minDigits) {
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return digits;
}

struct Directive {
  bool leftJustify = false;
  int width = 0;
  int precision = -1;
  char type = 0;
};

// Reads a run of digits at pos; false when it is too large to be meant.
bool ReadCount(std::string_view format, size_t& pos, int& value) {
  value = 0;
  while (pos < format.size() && IsDigit(format[pos])) {
    value = value * 10 + (format[pos++] - '0');
    if (value > MaxFieldWidth) return false;
  }
  return true;
}

// Parses what follows a '%': ["-"] [width] ["." precision] type.
Directive ParseDirective(std::string_view format, size_t& pos) {
  Directive d;
  if (pos < format.size() && format[pos] == '-') {
    d.leftJustify = true;
    ++pos;
  }
  if (!ReadCount(format, pos, d.width)) FormatError(format);
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    if (!ReadCount(format, pos, d.precision)) FormatError(format);
  }
  if (pos >= format.size()) FormatError(format);
  d.type = ToLower(format[pos++]);
  return d;
}

std::string FormatInteger(const Directive& d, int64_t value) {
  const int precision = std::max(d.precision, 0);
  switch (d.type) {
    case 'd': {
      const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
      return (value < 0 ? "-" : "") + ZeroPadded(Digits(magnitude, 10), precision);
    }
    case 'u': return ZeroPadded(Digits(UnsignedView(value), 10), precision);
    default: return ZeroPadded(Digits(UnsignedView(value), 16), precision);
  }
}

void AppendJustified(std::string& out, std::string_view body, const Directive& d) {
  const size_t pad = d.width > static_cast<int>(body.size()) ? d.width - body.size() : 0;
  if (!d.leftJustify) out.append(pad, ' ');
  out.append(body);
  if (d.leftJustify) out.append(pad, ' ');
}

std::string_view TrimmedView(std::string_view s, bool left, bool right) {
  size_t begin = 0, end = s.size();
  if (left)
    while (begin < end && IsBlank(s[begin])) ++begin;
  if (right)
    while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

std::filesystem::path NativeFsPath(std::string_view fileName) { return std::filesystem::path(NativePath(fileName)); }

size_t LastDelimiter(std::string_view fileName) {
  for (size_t i = fileName.size(); i > 0; --i)
    if (IsPathDelimiter(fileName[i - 1])) return i - 1;
  return std::string_view::npos;
}

// Where the extension starts (its dot), npos when the name part has none.
size_t ExtensionStart(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  const size_t delimiter = LastDelimiter(fileName);
  if (dot == std::string_view::npos || (delimiter != std::string_view::npos && dot < delimiter))
    return std::string_view::npos;
  return dot;
}

}  // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16);
  auto next = args.begin();
  size_t pos = 0;
  while (pos < format.size()) {
    const size_t percent = format.find('%', pos);
    out.append(format.substr(pos, percent - pos));
    if (percent == std::string_view::npos) break;
    pos = percent + 1;
    if (pos < format.size() && format[pos] == '%') {
      out += '%';
      ++pos;
      continue;
    }
    const Directive d = ParseDirective(format, pos);
    if (next == args.end()) FormatError(format);
    const FormatArg& arg = *next++;
    switch (d.type) {
      case 'd':
      case 'u':
      case 'x':
        if (!arg.IsInt()) FormatError(format);
        AppendJustified(out, FormatInteger(d, arg.Int()), d);
        break;
      case 's': {
        if (arg.IsInt()) FormatError(format);
        std::string_view s = arg.Str();
        if (d.precision >= 0) s = s.substr(0, static_cast<size_t>(d.precision));
        AppendJustified(out, s, d);
        break;
      }
      default: FormatError(format);
    }
  }
  return out;
}

std::string IntToStr(int64_t value) { return Format("%d", {static_cast<long long>(value)}); }

std::string IntToHex(int64_t value, int digits) {
  return ZeroPadded(Digits(UnsignedView(value), 16), std::clamp(digits, 0, MaxFieldWidth));
}

bool TryStrToInt(std::string_view text, int32_t& value) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  unsigned base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    pos += 1;
  } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos == text.size()) return false;
  // Hexadecimal takes the full 32 bits ($FFFFFFFF is -1); decimal must fit the signed range.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = base == 16 ? HexDigitValue(text[pos]) : (IsDigit(text[pos]) ? text[pos] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * base + static_cast<unsigned>(digit);
    if (magnitude > limit) return false;
  }
  const uint32_t bits = static_cast<uint32_t>(magnitude);
  value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(Format(msg::InvalidInteger, {text}));
  return value;
}

int32_t StrToIntDef(std::string_view text, int32_t defaultValue) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

std::string Trim(std::string_view s) { return std::string(TrimmedView(s, true, true)); }
std::string TrimLeft(std::string_view s) { return std::string(TrimmedView(s, true, false)); }
std::string TrimRight(std::string_view s) { return std::string(TrimmedView(s, false, true)); }

std::string UpperCase(std::string_view s) {
  std::string result(s);
  std::transform(result.begin(), result.end(), result.begin(), ToUpper);
  return result;
}

std::string LowerCase(std::string_view s) {
  std::string result(s);
  std::transform(result.begin(), result.end(), result.begin(), ToLower);
  return result;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int diff = static_cast<unsigned char>(ToUpper(a[i])) - static_cast<unsigned char>(ToUpper(b[i]));
    if (diff != 0) return diff;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

int CompareStr(std::string_view a, std::string_view b) {
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string QuotedStr(std::string_view s) {
  std::string result = "'";
  for (char c : s) {
    if (c == '\'') result += '\'';
    result += c;
  }
  return result + '\'';
}

bool IsValidIdent(std::string_view s) {
  if (s.empty() || !(IsLetter(s[0]) || s[0] == '_')) return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return IsLetter(c) || IsDigit(c) || c == '_'; });
}

bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }

std::string ExtractFilePath(std::string_view fileName) {
  const size_t delimiter = LastDelimiter(fileName);
  return delimiter == std::string_view::npos ? std::string() : std::string(fileName.substr(0, delimiter + 1));
}

std::string ExtractFileDir(std::string_view fileName) {
  std::string dir = ExtractFilePath(fileName);
  // A root ("/", "C:\", "\\") keeps its separator.
  if (dir.size() > 1 && !IsPathDelimiter(dir[dir.size() - 2]) && dir[dir.size() - 2] != ':') dir.pop_back();
  return dir;
}

std::string ExtractFileName(std::string_view fileName) {
  const size_t delimiter = LastDelimiter(fileName);
  return std::string(delimiter == std::string_view::npos ? fileName : fileName.substr(delimiter + 1));
}

std::string ExtractFileExt(std::string_view fileName) {
  const size_t dot = ExtensionStart(fileName);
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
  const size_t dot = ExtensionStart(fileName);
  return std::string(fileName.substr(0, dot)) + std::string(extension);
}

std::string ExpandFileName(std::string_view fileName) {
  if (fileName.empty()) return {};
  std::filesystem::path path = NativeFsPath(fileName);
  if (path.is_relative()) {
    std::error_code ec;
    const auto current = std::filesystem::current_path(ec);
    if (ec) return path.lexically_normal().string();
    path = current / path;
  }
  std::string result = path.lexically_normal().string();
  // "dir/sub/.." names the directory itself, not its contents.
  if (result.size() > 1 && IsPathDelimiter(result.back()) && !IsPathDelimiter(fileName.back())) result.pop_back();
  return result;
}

bool FileExists(std::string_view fileName) {
  std::error_code ec;
  const auto status = std::filesystem::status(NativeFsPath(fileName), ec);
  return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(std::string_view dirName) {
  std::error_code ec;
  return std::filesystem::is_directory(NativeFsPath(dirName), ec);
}

bool DeleteFile(std::string_view fileName) {
  if (!FileExists(fileName)) return false;
  std::error_code ec;
  return std::filesystem::remove(NativeFsPath(fileName), ec);
}

// Like the framework's, it never replaces an existing file.
bool RenameFile(std::string_view oldName, std::string_view newName) {
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(NativeFsPath(newName), ec))) return false;
  std::filesystem::rename(NativeFsPath(oldName), NativeFsPath(newName), ec);
  return !ec;
}

std::string NativePath(std::string_view fileName) {
  std::string result(fileName);
  constexpr char native = static_cast<char>(std::filesystem::path::preferred_separator);
  for (char& c : result)
    if (IsPathDelimiter(c)) c = native;
  return result;
}

}  // namespace kcl
