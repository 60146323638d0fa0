#include "support/propnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "kcl/rtl/sysutils.h"

namespace korvax::test {

using namespace kcl;

namespace {

std::vector<std::string> Names(const TPropList& props) {
  std::vector<std::string> names;
  for (PPropInfo p : props) names.push_back(p->Name);
  return names;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

std::vector<std::string> InNameOrder(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return CompareText(a, b) < 0; });
  return names;
}

}  // namespace

std::string DeclaredPropNames(TClass cls) { return Joined(Names(GetPropInfos(cls))); }

std::string ListedPropNames(TClass cls) { return Joined(Names(GetPropList(cls, tkAny))); }

void ExpectListedInNameOrder(TClass cls) {
  EXPECT_EQ(ListedPropNames(cls), Joined(InNameOrder(Names(GetPropInfos(cls))))) << cls->ClassName();
}

void ExpectPublished(TClass cls, const std::string& declared) {
  const std::vector<std::string> expected = Words(declared);
  EXPECT_EQ(Names(GetPropInfos(cls)), expected) << cls->ClassName();
  EXPECT_EQ(Names(GetPropList(cls, tkAny)), InNameOrder(expected)) << cls->ClassName();
}

}  // namespace korvax::test
