#include "formcheck.h"

#include <deque>
#include <sstream>
#include <vector>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/typinfo.h"
#include "kcl/controls/datamodule.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/exceptions.h"

namespace korvax::formcheck {

using namespace kcl;

namespace {

using ComponentPtr = std::unique_ptr<TComponent, TObjectFree>;

std::string StreamData(const std::string& fileBytes) {
  TStringStream stream(fileBytes);
  ReadResHeader(stream);
  return stream.ReadRest();
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

ComponentPtr NewRoot(const std::string& className, const std::string& text) {
  const bool dataModule = IsDataModule(text);
  ComponentPtr root(dataModule ? static_cast<TComponent*>(new TDataModule(nullptr))
                               : static_cast<TComponent*>(new TForm(nullptr)));
  root->SetClassType(TClassInfo::CreateRuntimeClass(className, root->ClassType()));
  return root;
}

// Event handlers exist only by name, as in a designed form.
const TMethodEntry* HandlerNamed(TReader&, const std::string& name) {
  static std::deque<TMethodEntry> handlers;
  for (const TMethodEntry& entry : handlers)
    if (entry.Name == name) return &entry;
  return &handlers.emplace_back(TMethodEntry{name, nullptr, nullptr});
}

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
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

}  // namespace

std::string RootClassName(const std::string& fileBytes) {
  try {
    const std::string text = ObjectBinaryToText(StreamData(fileBytes));
    const size_t colon = text.find(": ");
    return colon == std::string::npos ? "" : text.substr(colon + 2, text.find_first_of("\r\n") - colon - 2);
  } catch (const Exception&) {
    return "";
  }
}

TFormCheckResult CheckForm(const std::string& fileBytes) {
  TFormCheckResult result;
  try {
    const std::string data = StreamData(fileBytes);
    const std::string text = ObjectBinaryToText(data);
    const std::string className = RootClassName(fileBytes);
    ComponentPtr root = NewRoot(className, text);
    TStringStream stream(data);
    TReader reader(stream);
    reader.OnFindMethod = HandlerNamed;
    reader.ReadRootComponent(root.get());
    result.Loaded = true;

    TMemoryStream written;
    written.WriteComponentRes(UpperCase(className), root.get());
    const std::string bytes(written.Memory(), static_cast<size_t>(written.Size()));
    result.Identical = bytes == fileBytes;
    if (!result.Identical) result.Difference = FirstDifference(text, ObjectBinaryToText(StreamData(bytes)));
  } catch (const Exception& e) {
    result.Error = e.Message();
  }
  return result;
}

std::string ResultLine(const std::string& path, const TFormCheckResult& result) {
  if (!result.Loaded) return "FAIL " + path + ": " + result.Error;
  if (!result.Identical) return "DIFF " + path + ": at " + result.Difference;
  return "OK   " + path;
}

}  // namespace korvax::formcheck
