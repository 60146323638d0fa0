// Strings with a value each: the value follows its string through every change.
#include "kcl/classes/valuedstrings.h"

#include <gtest/gtest.h>

#include "kcl/rtl/exceptions.h"

using namespace kcl;

namespace {

std::string Listed(const TValuedStrings<int>& list) {
  std::string result;
  for (int i = 0; i < list.Count(); ++i) result += list.Strings(i) + "=" + std::to_string(list.Value(i)) + " ";
  return result;
}

}  // namespace

TEST(ValuedStrings, ValuesFollowTheirStrings) {
  int changes = 0;
  TValuedStrings<int> list(-1);
  list.SetChangedHandler([&] { ++changes; });
  list.SetCommaText("c,a,b");
  list.SetValue(0, 30);
  list.SetValue(2, 20);
  EXPECT_EQ(Listed(list), "c=30 a=-1 b=20 ");
  changes = 0;
  list.Insert(1, "d");
  EXPECT_EQ(changes, 1);  // once, with the value in place
  list.Exchange(0, 3);
  list.Move(0, 2);
  EXPECT_EQ(Listed(list), "d=-1 a=-1 b=20 c=30 ");
  list.SetSorted(true);
  EXPECT_EQ(Listed(list), "a=-1 b=20 c=30 d=-1 ");
  EXPECT_EQ(list.Add("bb"), 2);
  EXPECT_EQ(list.Add("bb"), 2);  // a duplicate is ignored, values unchanged
  EXPECT_EQ(Listed(list), "a=-1 b=20 bb=-1 c=30 d=-1 ");
  list.Delete(1);
  EXPECT_EQ(Listed(list), "a=-1 bb=-1 c=30 d=-1 ");
  EXPECT_THROW(list.Value(4), EStringListError);
  EXPECT_THROW(list.SetValue(-1, 0), EStringListError);
  EXPECT_THROW(list.Delete(9), EStringListError);
  EXPECT_EQ(Listed(list), "a=-1 bb=-1 c=30 d=-1 ");  // a failed change changes nothing
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ValuedStrings, StringsThatComeAnotherWayStartWithTheDefault) {
  TValuedStrings<int> list(7);
  list.SetCommaText("b,a");
  list.SetValue(1, 1);
  list.CustomSort([](TStringList& l, int a, int b) { return CompareText(l.Strings(a), l.Strings(b)); });
  EXPECT_EQ(list.Count(), 2);
  TStringList other;
  other.SetCommaText("x,y,z");
  list.Assign(&other);
  EXPECT_EQ(Listed(list), "x=7 y=7 z=7 ");
}
