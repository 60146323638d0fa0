#pragma once
// Strings, numbers and file names with the framework's semantics. Strings are byte
// strings in a Windows code page; case mapping and trimming touch ASCII only.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kcl {

// One argument of Format: an integer or a string.
class FormatArg {
public:
  FormatArg(int v) : FInt(v), FIsInt(true) {}
  FormatArg(unsigned v) : FInt(v), FIsInt(true) {}
  FormatArg(long v) : FInt(v), FIsInt(true) {}
  FormatArg(unsigned long v) : FInt(static_cast<int64_t>(v)), FIsInt(true) {}
  FormatArg(long long v) : FInt(v), FIsInt(true) {}
  FormatArg(unsigned long long v) : FInt(static_cast<int64_t>(v)), FIsInt(true) {}
  FormatArg(std::string_view v) : FStr(v), FIsInt(false) {}
  FormatArg(const std::string& v) : FStr(v), FIsInt(false) {}
  FormatArg(const char* v) : FStr(v ? v : ""), FIsInt(false) {}
  bool IsInt() const { return FIsInt; }
  int64_t Int() const { return FInt; }
  std::string_view Str() const { return FStr; }

private:
  int64_t FInt = 0;
  std::string_view FStr;
  bool FIsInt;
};

// The framework's Format: %s %d %u %x with "-" (left justify), width and precision
// ("%-20s", "%20s", "%.8x", "  %-18s%-s"), and "%%". A directive that does not fit
// its argument, or a missing argument, raises EConvertError.
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);
// Accepts optional blanks before the number, a sign and a "$" hexadecimal form;
// anything else raises EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);
bool TryStrToInt(std::string_view text, int32_t& value);

// Blanks and control characters (every byte up to ' ') are trimmed.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Case-insensitive (ASCII) comparison: negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
int CompareStr(std::string_view a, std::string_view b);
std::string QuotedStr(std::string_view s);
// A Pascal identifier: a letter or "_" followed by letters, digits and "_".
bool IsValidIdent(std::string_view s);

// File names. Both '\' and '/' separate directories.
bool IsPathDelimiter(char c);
std::string ExtractFilePath(std::string_view fileName);  // with the trailing separator
std::string ExtractFileDir(std::string_view fileName);   // without it
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);   // with the dot, "" when none
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string ExpandFileName(std::string_view fileName);
bool FileExists(std::string_view fileName);
bool DirectoryExists(std::string_view dirName);
bool DeleteFile(std::string_view fileName);
bool RenameFile(std::string_view oldName, std::string_view newName);
// The file name converted to this platform's separators.
std::string NativePath(std::string_view fileName);

}  // namespace kcl
