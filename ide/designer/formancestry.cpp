#include "ide/designer/formancestry.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "kcl/classes/filer.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/streams.h"
#include "kcl/controls/datamodule.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {

// The names of the components in a form's text; the root's is not among them.
std::vector<std::string> ComponentNames(const std::string& text, bool inheritedOnly) {
  std::vector<std::string> names;
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    const size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos) continue;
    const std::string_view body = std::string_view(line).substr(indent);
    if (!body.starts_with("inherited ") && (inheritedOnly || !body.starts_with("object "))) continue;
    const size_t space = body.find(' '), colon = body.find(':');
    if (colon != std::string_view::npos) names.emplace_back(body.substr(space + 1, colon - space - 1));
  }
  return names;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsIdentifier(const std::string& s) {
  return !s.empty() && std::ranges::all_of(s, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// The base class that a unit among files declares for className.
std::string BaseClassInUnits(const std::vector<std::filesystem::path>& files, const std::string& className) {
  if (!IsIdentifier(className)) return "";
  const std::regex declaration("\\b" + className + "\\s*=\\s*class\\s*\\(\\s*(\\w+)", std::regex::icase);
  for (const auto& file : files) {
    if (!SameText(file.extension().string(), ".pas")) continue;
    const std::string unit = ReadBytes(file);
    std::smatch match;
    if (std::regex_search(unit, match, declaration)) return match[1];
  }
  return "";
}

// The names of the root's own properties, in the order the stream holds them.
std::vector<std::string> RootPropertyNames(const std::string& text) {
  std::vector<std::string> names;
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && line.starts_with("  ") && !line.starts_with("  object ") &&
         !line.starts_with("  inherited ") && line != "end\r") {
    if (line.starts_with("   ")) continue;  // a continued value
    names.push_back(line.substr(2, line.find(" = ") - 2));
  }
  return names;
}

// Data modules hold only their position and size and their two events; every
// form has a caption or a text height of its own.
bool IsDataModule(const std::string& text) {
  for (const std::string& name : RootPropertyNames(text))
    if (name != "Left" && name != "Top" && name != "Height" && name != "Width" && name != "OnCreate" &&
        name != "OnDestroy")
      return false;
  return true;
}

// Event handlers exist only by name, as in a designed form.
const TMethodEntry* HandlerNamed(TReader&, const std::string& name) {
  static std::deque<TMethodEntry> handlers;
  for (const TMethodEntry& entry : handlers)
    if (entry.Name == name) return &entry;
  return &handlers.emplace_back(TMethodEntry{name, nullptr, nullptr});
}

}  // namespace

std::string StreamData(const std::string& fileBytes) {
  TStringStream stream(fileBytes);
  ReadResHeader(stream);
  return stream.ReadRest();
}

std::string RootClassName(const std::string& fileBytes) {
  try {
    const std::string text = ObjectBinaryToText(StreamData(fileBytes));
    const size_t colon = text.find(": ");
    return colon == std::string::npos ? "" : text.substr(colon + 2, text.find_first_of("\r\n") - colon - 2);
  } catch (const Exception&) {
    return "";
  }
}

bool IsInheritedForm(const std::string& fileBytes) {
  const std::string data = StreamData(fileBytes);
  return data.size() > 4 && (static_cast<uint8_t>(data[4]) & 0xF0) == 0xF0 && (data[4] & ffInherited);
}

std::vector<std::string> Ancestry(const std::string& fileBytes, const TAncestorFinder& findAncestor) {
  constexpr size_t MaxDepth = 32;
  std::vector<std::string> chain{fileBytes};
  while (IsInheritedForm(chain.front())) {
    std::string ancestor = findAncestor ? findAncestor(chain.front()) : std::string();
    if (ancestor.empty() || std::ranges::find(chain, ancestor) != chain.end() || chain.size() == MaxDepth) {
      const std::string text = ObjectBinaryToText(StreamData(chain.front()));
      const size_t space = text.find(' ');
      throw EReadError(Format(msg::AncestorNotFound, {text.substr(space + 1, text.find(':') - space - 1)}));
    }
    chain.insert(chain.begin(), std::move(ancestor));
  }
  return chain;
}

std::string AncestorInDirectory(const std::string& directory, const std::string& fileBytes) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error))
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  std::ranges::sort(files);

  const std::string base = BaseClassInUnits(files, RootClassName(fileBytes));
  const std::vector<std::string> needed = ComponentNames(ObjectBinaryToText(StreamData(fileBytes)), true);
  std::string best;
  size_t bestRank = SIZE_MAX;
  for (const auto& file : files) {
    if (!SameText(file.extension().string(), ".dfm")) continue;
    std::string bytes = ReadBytes(file);
    if (bytes == fileBytes) continue;
    if (!base.empty()) {
      if (SameText(RootClassName(bytes), base)) return bytes;
      continue;
    }
    try {
      const std::vector<std::string> names = ComponentNames(ObjectBinaryToText(StreamData(bytes)), false);
      const auto holds = [&names](const std::string& name) {
        return std::ranges::any_of(names, [&name](const std::string& n) { return SameText(n, name); });
      };
      // Forms that inherit themselves list only their differences: a form of
      // its own is preferred, then the one with the fewest components.
      const size_t rank = names.size() + (IsInheritedForm(bytes) ? SIZE_MAX / 2 : 0);
      if (rank < bestRank && std::ranges::all_of(needed, holds)) {
        best = std::move(bytes);
        bestRank = rank;
      }
    } catch (const Exception&) {
      // Not a form file: not an ancestor.
    }
  }
  return best;
}

// The first count forms of the chain read, in order, into one root whose class
// derives from each of theirs in turn.
TComponentPtr LoadChain(const std::vector<std::string>& chain, size_t count) {
  const bool dataModule = IsDataModule(ObjectBinaryToText(StreamData(chain.front())));
  TComponentPtr root(dataModule ? static_cast<TComponent*>(new TDataModule(nullptr))
                               : static_cast<TComponent*>(new TForm(nullptr)));
  TClass cls = root->ClassType();
  for (size_t i = 0; i < count; ++i) cls = TClassInfo::CreateRuntimeClass(RootClassName(chain[i]), cls);
  root->SetClassType(cls);
  for (size_t i = 0; i < count; ++i) {
    TStringStream stream(StreamData(chain[i]));
    TReader reader(stream);
    reader.OnFindMethod = HandlerNamed;
    reader.ReadRootComponent(root.get());
  }
  return root;
}

}  // namespace korvax::designer
