#include "kcl/system/registry.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr std::string_view HiveHeader = "WINE REGISTRY Version 2";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads up to maxDigits digits of the given base at pos; -1 when there is none.
long ReadCode(std::string_view line, size_t& pos, int base, int maxDigits) {
  long code = -1;
  for (int n = 0; n < maxDigits && pos < line.size(); ++n, ++pos) {
    const int digit = HexValue(line[pos]);
    if (digit < 0 || digit >= base) break;
    code = (code < 0 ? 0 : code * base) + digit;
  }
  return code;
}

char EscapedChar(char c) {
  switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'e': return '\x1b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return c;
  }
}

// The text from pos up to the unescaped closing character, which pos then passes.
// Nothing when the line ends first.
std::optional<std::string> ReadEscaped(std::string_view line, size_t& pos, char closing) {
  std::string text;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c == closing) return text;
    if (c != '\\') {
      text += c;
      continue;
    }
    if (pos == line.size()) break;
    long code = -1;
    if (line[pos] == 'x') {
      ++pos;
      code = ReadCode(line, pos, 16, 4);
      if (code < 0) code = 'x';
    } else if (line[pos] >= '0' && line[pos] <= '7') {
      code = ReadCode(line, pos, 8, 3);
    } else {
      text += EscapedChar(line[pos++]);
      continue;
    }
    text += code < 256 ? static_cast<char>(code) : '?';
  }
  return std::nullopt;
}

// A key path compared without case and without surrounding separators.
std::string KeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return UpperCase(path);
}

// The path of key below root ("" for root itself), or nothing when it is outside.
std::optional<std::string> RelativePath(const std::string& key, const std::string& root) {
  if (root.empty()) return key;
  if (key == root) return std::string();
  if (key.size() > root.size() && key.compare(0, root.size(), root) == 0 && key[root.size()] == '\\')
    return key.substr(root.size() + 1);
  return std::nullopt;
}

std::optional<std::string> DwordText(std::string_view data) {
  size_t pos = 0;
  const long code = ReadCode(data, pos, 16, 8);
  if (code < 0) return std::nullopt;
  return IntToStr(static_cast<int32_t>(static_cast<uint32_t>(code)));
}

struct TValueLine {
  std::string Name;
  std::optional<std::string> Text;  // nothing for a value that is not read as a string
  bool Continues = false;           // a hex value going on in the next line
};

// "Name"="text", @="text", "Name"=str(2):"text", "Name"=dword:0000000a, "Name"=hex:..
std::optional<TValueLine> ParseValueLine(std::string_view line) {
  TValueLine value;
  size_t pos = 1;
  if (line[0] == '"') {
    auto name = ReadEscaped(line, pos, '"');
    if (!name) return std::nullopt;
    value.Name = UpperCase(*name);
  }
  if (pos >= line.size() || line[pos] != '=') return std::nullopt;
  std::string_view data = line.substr(pos + 1);
  if (data.starts_with("str(2):")) data.remove_prefix(7);
  if (data.starts_with('"')) {
    size_t textPos = 1;
    value.Text = ReadEscaped(data, textPos, '"');
    if (!value.Text) return std::nullopt;
  } else if (data.starts_with("dword:")) {
    value.Text = DwordText(data.substr(6));
    if (!value.Text) return std::nullopt;
  } else if (data.starts_with("hex")) {
    value.Continues = data.ends_with('\\');
  } else {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::string WineUserRegistryFile() {
  const char* prefix = std::getenv("WINEPREFIX");
  if (prefix && *prefix) return std::string(prefix) + "/user.reg";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.wine/user.reg";
  return {};
}

TRegIniFile::TRegIniFile(std::string hiveFile) : FHiveFile(std::move(hiveFile)) {}

bool TRegIniFile::OpenKey(std::string_view key) {
  FKeys.clear();
  if (FHiveFile.empty()) return false;
  std::ifstream in(FHiveFile, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || !line.starts_with(HiveHeader)) return false;

  const std::string root = KeyPath(key);
  bool found = false;
  TValues* current = nullptr;
  bool inContinuation = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inContinuation) {
      inContinuation = line.ends_with('\\');
      continue;
    }
    if (line.empty()) continue;
    if (line[0] == '[') {
      size_t pos = 1;
      const auto name = ReadEscaped(line, pos, ']');
      const auto relative = name ? RelativePath(KeyPath(*name), root) : std::nullopt;
      current = relative ? &FKeys[*relative] : nullptr;
      found = found || current;
    } else if (line[0] == '"' || line[0] == '@') {
      auto value = ParseValueLine(line);
      if (!value) continue;
      inContinuation = value->Continues;
      if (current && value->Text) (*current)[value->Name] = std::move(*value->Text);
    }
  }
  return found;
}

void TRegIniFile::CloseKey() { FKeys.clear(); }

std::string TRegIniFile::ReadString(std::string_view section, std::string_view ident,
                                    std::string_view defaultValue) const {
  const auto key = FKeys.find(KeyPath(section));
  if (key == FKeys.end()) return std::string(defaultValue);
  const auto value = key->second.find(UpperCase(ident));
  return value == key->second.end() ? std::string(defaultValue) : value->second;
}

}  // namespace kcl
