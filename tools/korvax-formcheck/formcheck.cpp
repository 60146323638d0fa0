#include "formcheck.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "kcl/classes/keptproperties.h"
#include "kcl/classes/placeholder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::formcheck {

using namespace kcl;
using designer::Ancestry;
using designer::LoadChain;
using designer::StreamData;

namespace {

using designer::TComponentPtr;

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
    TComponentPtr root = LoadChain(chain, chain.size());
    result.Loaded = true;
    result.Kept = KeptPaths(*root);
    TComponentPtr ancestor = chain.size() > 1 ? LoadChain(chain, chain.size() - 1) : nullptr;

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
