#include "support/propnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "kcl/rtl/sysutils.h"

namespace korvax::test {

using namespace kcl;

namespace {

std::string Joined(const TPropList& props) {
  std::string names;
  for (PPropInfo p : props) names += (names.empty() ? "" : " ") + p->Name;
  return names;
}

}  // namespace

std::string DeclaredPropNames(TClass cls) { return Joined(GetPropInfos(cls)); }

std::string ListedPropNames(TClass cls) { return Joined(GetPropList(cls, tkAny)); }

void ExpectListedInNameOrder(TClass cls) {
  std::istringstream in(DeclaredPropNames(cls));
  std::vector<std::string> sorted;
  for (std::string name; in >> name;) sorted.push_back(name);
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return CompareText(a, b) < 0; });
  std::string expected;
  for (const std::string& name : sorted) expected += (expected.empty() ? "" : " ") + name;
  EXPECT_EQ(ListedPropNames(cls), expected) << cls->ClassName();
}

}  // namespace korvax::test
