#include "formcheck.h"

#include <algorithm>
#include <deque>
#include <sstream>
#include <vector>

#include "kcl/classes/keptproperties.h"
#include "kcl/classes/placeholder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/typinfo.h"
#include "kcl/controls/datamodule.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::formcheck {

using namespace kcl;
using designer::Ancestry;
using designer::StreamData;

namespace {

using ComponentPtr = std::unique_ptr<TComponent, TObjectFree>;

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

// The first count forms of the chain read, in order, into one root whose class
// derives from each of theirs in turn.
ComponentPtr LoadChain(const std::vector<std::string>& chain, size_t count) {
  const bool dataModule = IsDataModule(ObjectBinaryToText(StreamData(chain.front())));
  ComponentPtr root(dataModule ? static_cast<TComponent*>(new TDataModule(nullptr))
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

// The dotted path of the first line where two form texts differ.
std::string FirstDifference(const std::string& original, const std::string& written) {
  std::istringstream a(original), b(written);
  std::vector<std::string> path;
  std::string la, lb;
  while (true) {
    const bool moreA = static_cast<bool>(std::getline(a, la));
    const bool moreB = static_cast<bool>(std::getline(b, lb));
    if (!moreA && !moreB) return "the resource header";
    const std::string& line = moreA ? la : lb;
    const size_t indent = line.find_first_not_of(' ');
    const std::string body = indent == std::string::npos ? "" : line.substr(indent);
    const bool object = body.starts_with("object ") || body.starts_with("inherited ");
    if (object) {
      path.resize(indent / 2);
      path.push_back(body.substr(body.find(' ') + 1, body.find(':') - body.find(' ') - 1));
    }
    if (!moreA || !moreB || la != lb) {
      std::string where;
      for (const std::string& name : path) where += (where.empty() ? "" : ".") + name;
      if (!object && body.find(" = ") != std::string::npos) where += "." + body.substr(0, body.find(" = "));
      return where.empty() ? "the root" : where;
    }
    if (body.starts_with("end") && !path.empty()) path.pop_back();
  }
}

// The kept properties of the root and of the components it owns, named by path,
// and the components of unknown classes, with their class.
std::vector<std::string> KeptPaths(TComponent& root) {
  std::vector<std::string> paths;
  const auto add = [&paths](const TComponent& component, const std::string& prefix) {
    if (dynamic_cast<const TPlaceholder*>(&component))
      paths.push_back(prefix + component.Name() + ": " + component.ClassName());
    if (const auto* kept = KeptProperties(&component))
      for (const TKeptProperty& property : *kept) paths.push_back(prefix + component.Name() + "." + property.Name);
  };
  add(root, "");
  for (int i = 0; i < root.ComponentCount(); ++i) add(*root.Components(i), root.Name() + ".");
  return paths;
}

}  // namespace

TFormCheckResult CheckForm(const std::string& fileBytes, const TAncestorFinder& findAncestor) {
  TFormCheckResult result;
  try {
    const std::vector<std::string> chain = Ancestry(fileBytes, findAncestor);
    ComponentPtr root = LoadChain(chain, chain.size());
    result.Loaded = true;
    result.Kept = KeptPaths(*root);
    ComponentPtr ancestor = chain.size() > 1 ? LoadChain(chain, chain.size() - 1) : nullptr;

    TMemoryStream written;
    written.WriteDescendentRes(UpperCase(RootClassName(fileBytes)), root.get(), ancestor.get());
    const std::string bytes(written.View());
    result.Identical = bytes == fileBytes;
    if (!result.Identical)
      result.Difference =
          FirstDifference(ObjectBinaryToText(StreamData(fileBytes)), ObjectBinaryToText(StreamData(bytes)));
  } catch (const Exception& e) {
    result.Error = e.Message();
  }
  return result;
}

std::string ResultLine(const std::string& path, const TFormCheckResult& result) {
  if (!result.Loaded) return "FAIL " + path + ": " + result.Error;
  std::string kept;
  for (const std::string& property : result.Kept) kept += (kept.empty() ? " (kept " : ", ") + property;
  if (!kept.empty()) kept += ")";
  if (!result.Identical) return "DIFF " + path + ": at " + result.Difference + kept;
  return "OK   " + path + kept;
}

}  // namespace korvax::formcheck
