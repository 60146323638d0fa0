#include "ide/fpcbuild/formresource.h"

#include <cstdint>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/resheader.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

using namespace kcl;

namespace {

constexpr uint16_t RT_RCDATA = 10;
// MOVEABLE | PURE | DISCARDABLE, as resource compilers mark a form's data.
constexpr uint16_t FormMemoryFlags = 0x1030;

void PutWord(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void PutDWord(std::string& out, uint32_t value) {
  PutWord(out, static_cast<uint16_t>(value & 0xFFFF));
  PutWord(out, static_cast<uint16_t>(value >> 16));
}

void AlignToDWord(std::string& out) {
  while (out.size() % 4 != 0) out += '\0';
}

// One entry: its header (sizes, type and name, then version, flags, language) and
// its data, both padded to four bytes. A name is UTF-16, or the ordinal 0 when empty.
void AppendResource(std::string& out, uint16_t type, std::string_view name, uint16_t memoryFlags,
                    std::string_view data) {
  std::string typeAndName;
  PutWord(typeAndName, 0xFFFF);
  PutWord(typeAndName, type);
  if (name.empty()) {
    PutWord(typeAndName, 0xFFFF);
    PutWord(typeAndName, 0);
  } else {
    // Class names are ASCII identifiers: a byte is a UTF-16 unit.
    for (const char c : name) PutWord(typeAndName, static_cast<unsigned char>(c));
    PutWord(typeAndName, 0);
  }
  AlignToDWord(typeAndName);
  PutDWord(out, static_cast<uint32_t>(data.size()));
  PutDWord(out, static_cast<uint32_t>(8 + typeAndName.size() + 16));
  out += typeAndName;
  PutDWord(out, 0);  // data version
  PutWord(out, memoryFlags);
  PutWord(out, 0);   // language neutral
  PutDWord(out, 0);  // version
  PutDWord(out, 0);  // characteristics
  out += data;
  AlignToDWord(out);
}

// The class of "object Form1: TForm1" (or "inherited", "inline") on the text's first line.
std::string RootClassOf(std::string_view text) {
  const size_t colon = text.find(':');
  const size_t lineEnd = text.find_first_of("\r\n");
  if (colon == std::string_view::npos || colon > lineEnd) throw EReadError("Invalid stream format");
  const size_t start = text.find_first_not_of(' ', colon + 1);
  const size_t end = text.find_first_of(" \r\n", start);
  return std::string(text.substr(start, end - start));
}

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

// The names of "  Font.Name = 'Arial'" lines: values never start with a name and " =".
std::set<std::string> PropertyNamesOf(std::string_view text) {
  std::set<std::string> names;
  size_t lineStart = 0;
  while (lineStart < text.size()) {
    size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    const size_t nameStart = line.find_first_not_of(' ');
    if (nameStart == std::string_view::npos) continue;
    size_t nameEnd = nameStart;
    while (nameEnd < line.size() && IsNameChar(line[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart || line.substr(nameEnd, 2) != " =") continue;
    std::string_view path = line.substr(nameStart, nameEnd - nameStart);
    for (size_t dot; (dot = path.find('.')) != std::string_view::npos; path.remove_prefix(dot + 1))
      if (dot > 0) names.emplace(path.substr(0, dot));
    if (!path.empty()) names.emplace(path);
  }
  return names;
}

}  // namespace

TFormResource ReadFormResource(std::string_view formFile) {
  TFormResource form;
  std::string text;
  if (HasResourceHeader(formFile)) {
    TStringStream file{std::string(formFile)};
    ReadResHeader(file);
    const std::string_view stream = formFile.substr(static_cast<size_t>(file.Position()));
    size_t consumed = 0;
    text = ObjectBinaryToText(stream, &consumed);
    form.Stream = std::string(stream.substr(0, consumed));
  } else {
    text = std::string(formFile);
    form.Stream = ObjectTextToBinary(text);
  }
  form.Name = UpperCase(RootClassOf(text));
  form.PropertyNames = PropertyNamesOf(text);
  return form;
}

std::string ResourceFileOf(const TFormResource& form) {
  std::string out = EmptyResourceFile();
  AppendResource(out, RT_RCDATA, form.Name, FormMemoryFlags, form.Stream);
  return out;
}

std::string EmptyResourceFile() {
  // A 32-bit resource file starts with an empty entry that tells it from a 16-bit one.
  std::string out;
  AppendResource(out, 0, {}, 0, {});
  return out;
}

}  // namespace korvax::fpcbuild
