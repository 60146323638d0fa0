#include "kcl/classes/stringlist.h"

#include <gtest/gtest.h>

#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"
#include "support/testfiles.h"

namespace kcl {
namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

using V = std::vector<std::string>;

template <class E, class F>
std::string MessageOf(F f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return "no exception";
}

TEST(StringListTest, EditingKeepsOrderAndObjects) {
  TStringList list;
  TObject a, b;
  EXPECT_EQ(list.Add("one"), 0);
  EXPECT_EQ(list.AddObject("two", &a), 1);
  list.Append("three");
  list.Insert(0, "zero");
  list.InsertObject(4, "four", &b);
  EXPECT_EQ(Lines(list), (V{"zero", "one", "two", "three", "four"}));
  EXPECT_EQ(list.Objects(2), &a);
  EXPECT_EQ(list.IndexOfObject(&b), 4);
  EXPECT_EQ(list.IndexOfObject(nullptr), 0);

  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (V{"two", "one", "zero", "three", "four"}));
  EXPECT_EQ(list.Objects(0), &a);
  list.Move(0, 3);
  EXPECT_EQ(Lines(list), (V{"one", "zero", "three", "two", "four"}));
  EXPECT_EQ(list.IndexOfObject(&a), 3);
  list.Put(3, "TWO");
  EXPECT_EQ(list.Objects(3), &a);
  list.PutObject(3, nullptr);
  list.Delete(0);
  EXPECT_EQ(Lines(list), (V{"zero", "three", "TWO", "four"}));
  EXPECT_EQ(list.IndexOf("two"), 2);
  EXPECT_EQ(list.IndexOf("five"), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, BadIndexesRaiseAndChangeNothing) {
  TStringList list;
  list.SetCommaText("a,b");
  const std::string outOfBounds = "List index out of bounds (2)";
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Strings(2); }), outOfBounds);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Delete(2); }), outOfBounds);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Put(2, "x"); }), outOfBounds);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Objects(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Insert(3, "x"); }), "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Exchange(0, 2); }), outOfBounds);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Move(0, 2); }), outOfBounds);
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
}

TEST(StringListTest, TextJoinsWithCrLfAndSplitsAtAnyLineBreak) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  list.SetText("x\n");
  EXPECT_EQ(Lines(list), V{"x"});
  list.SetText("x\n\n");
  EXPECT_EQ(Lines(list), (V{"x", ""}));
  list.SetText("\r\r\n");
  EXPECT_EQ(Lines(list), (V{"", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), "");
  const std::string bytes("nul\0inside\xE9", 11);
  list.SetText(bytes);
  EXPECT_EQ(list.Strings(0), bytes);
}

TEST(StringListTest, CommaTextQuotesOnlyWhatNeedsIt) {
  TStringList list;
  for (const char* s : {"plain", "two words", "a,b", "say \"hi\"", "", "tab\there", "\xE9t\xE9"}) list.Add(s);
  const std::string text = list.CommaText();
  EXPECT_EQ(text, "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",\"\",\"tab\there\",\xE9t\xE9");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_TRUE(back.Equals(list));

  list.Clear();
  list.Add("last is empty");
  list.Add("");
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Lines(back), (V{"last is empty", ""}));
}

TEST(StringListTest, CommaTextReadingSplitsOnCommasAndBlanks) {
  TStringList list;
  list.SetCommaText("  a b,c , \"d e\"x,,\"unterminated");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d e", "x", "", "unterminated"}));
  list.SetCommaText("a,");
  EXPECT_EQ(Lines(list), V{"a"});
  list.SetCommaText("   ");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.CommaText(), "");
}

TEST(StringListTest, NamesAndValues) {
  TStringList list;
  list.Add("Left=10");
  list.Add("no separator");
  list.Add("Caption=a=b");
  EXPECT_EQ(list.Names(0), "Left");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.Values("caption"), "a=b");
  EXPECT_EQ(list.Values("Missing"), "");
  EXPECT_EQ(list.IndexOfName("LEFT"), 0);
  EXPECT_EQ(list.IndexOfName("no separator"), -1);

  list.SetValue("left", "20");
  EXPECT_EQ(list.Strings(0), "left=20");
  list.SetValue("Top", "5");
  EXPECT_EQ(list.Strings(3), "Top=5");
  list.SetValue("CAPTION", "");
  EXPECT_EQ(Lines(list), (V{"left=20", "no separator", "Top=5"}));
  list.SetValue("Absent", "");
  EXPECT_EQ(list.Count(), 3);
}

TEST(SortedStringListTest, KeepsCaseInsensitiveOrder) {
  TStringList list;
  list.SetCommaText("delta,Bravo,alpha,Charlie");
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (V{"alpha", "Bravo", "Charlie", "delta"}));
  EXPECT_EQ(list.Add("BETA"), 1);
  EXPECT_EQ(list.Add("_x"), 5);  // '_' sorts after the upper-cased letters
  int index = -1;
  EXPECT_TRUE(list.Find("charlie", index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(list.Find("Cat", index));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(list.IndexOf("DELTA"), 4);
  EXPECT_EQ(list.IndexOf("zulu"), -1);

  const std::string sorted = "Operation not allowed on sorted string list";
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Insert(0, "z"); }), sorted);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Exchange(0, 1); }), sorted);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Put(0, "z"); }), sorted);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Move(0, 1); }), sorted);
  EXPECT_EQ(Lines(list), (V{"alpha", "BETA", "Bravo", "Charlie", "delta", "_x"}));

  list.SetSorted(false);
  list.Add("aardvark");
  EXPECT_EQ(list.Strings(6), "aardvark");
}

TEST(SortedStringListTest, DuplicatesFollowTheSetting) {
  TStringList list;
  list.SetSorted(true);
  TObject first, second;
  list.AddObject("a", &first);
  EXPECT_EQ(list.AddObject("A", &second), 0);  // dupIgnore is the default
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Objects(0), &first);

  list.SetDuplicates(dupError);
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Add("A"); }), "String list does not allow duplicates");
  EXPECT_EQ(list.Count(), 1);

  list.SetDuplicates(dupAccept);
  list.Add("b");
  EXPECT_EQ(list.Add("A"), 0);
  EXPECT_EQ(Lines(list), (V{"A", "a", "b"}));

  TStringList unsorted;
  unsorted.SetDuplicates(dupError);
  unsorted.Add("x");
  unsorted.Add("x");
  EXPECT_EQ(unsorted.Count(), 2);
}

TEST(SortedStringListTest, SortAndCustomSortMoveObjectsWithStrings) {
  TStringList list;
  TObject o[3];
  list.AddObject("b", &o[0]);
  list.AddObject("C", &o[1]);
  list.AddObject("a", &o[2]);
  list.CustomSort([](TStringList& l, int i, int j) { return CompareText(l.Strings(j), l.Strings(i)); });
  EXPECT_EQ(Lines(list), (V{"C", "b", "a"}));
  EXPECT_EQ(list.Objects(0), &o[1]);
  list.Sort();
  EXPECT_EQ(Lines(list), (V{"a", "b", "C"}));
  EXPECT_EQ(list.Objects(0), &o[2]);
  EXPECT_FALSE(list.Sorted());

  // A comparison that is no ordering at all still leaves every item in the list.
  for (int i = 0; i < 200; ++i) list.Add(std::to_string(i % 7));
  list.CustomSort([](TStringList&, int, int) { return -1; });
  EXPECT_EQ(list.Count(), 203);
  EXPECT_GE(list.IndexOfObject(&o[1]), 0);
}

TEST(StringListTest, NotificationsWaitForTheLastEndUpdate) {
  TStringList list;
  std::vector<std::string> events;
  list.OnChanging.SetHandler([&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    events.push_back("changing " + std::to_string(list.Count()));
  });
  list.OnChange.SetHandler([&](TObject*) { events.push_back("change " + std::to_string(list.Count())); });
  list.Add("a");
  EXPECT_EQ(events, (V{"changing 0", "change 1"}));

  events.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.SetText("x\ny\nz");
  list.EndUpdate();
  EXPECT_EQ(events, V{"changing 1"});
  list.EndUpdate();
  EXPECT_EQ(events, (V{"changing 1", "change 3"}));
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(events.size(), 2u);

  events.clear();
  list.Clear();
  list.Clear();
  EXPECT_EQ(events, (V{"changing 3", "change 0"}));
}

TEST(StringListTest, EqualsAddStringsAndAssign) {
  TStringList a, b;
  TObject object;
  a.SetCommaText("x,y");
  a.PutObject(1, &object);
  b.SetCommaText("X,y");
  EXPECT_FALSE(a.Equals(b));  // strings compare with case
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(a));
  EXPECT_EQ(b.Objects(1), &object);

  a.AddStrings(a);
  EXPECT_EQ(Lines(a), (V{"x", "y", "x", "y"}));
  a.Assign(&a);
  EXPECT_EQ(a.Count(), 4);

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Assign(&a);
  EXPECT_EQ(Lines(sorted), (V{"x", "y"}));

  EXPECT_THROW(a.Assign(nullptr), EConvertError);
  EXPECT_EQ(a.Count(), 4);
}

// The defaults that TStrings gives a descendant which only stores strings.
class TPlainStrings : public TStrings {
public:
  void Insert(int index, const std::string& s) override { FLines.insert(FLines.begin() + Checked(index, 1), s); }
  void Delete(int index) override { FLines.erase(FLines.begin() + Checked(index, 0)); }
  void Clear() override { FLines.clear(); }

protected:
  std::string Get(int index) const override { return FLines[Checked(index, 0)]; }
  int GetCount() const override { return static_cast<int>(FLines.size()); }

private:
  int Checked(int index, int extra) const {
    if (index < 0 || index >= GetCount() + extra) ListIndexError(index);
    return index;
  }
  std::vector<std::string> FLines;
};

TEST(StringListTest, DescendantsInheritWorkingDefaults) {
  TPlainStrings plain;
  plain.SetText("one\r\ntwo\r\nthree");
  plain.Put(0, "ONE");
  plain.Exchange(0, 2);
  plain.Move(2, 0);
  EXPECT_EQ(Lines(plain), (V{"ONE", "three", "two"}));
  EXPECT_EQ(plain.IndexOf("TWO"), 2);
  EXPECT_EQ(plain.Objects(0), nullptr);
  EXPECT_THROW(plain.Move(0, 3), EStringListError);
  EXPECT_EQ(plain.Count(), 3);

  TStringList list;
  list.Assign(&plain);
  EXPECT_EQ(list.CommaText(), "ONE,three,two");
}

TEST(StringListStreamTest, StreamsKeepBytes) {
  TStringList list;
  TStringStream in(std::string("skip|first\r\nsecond\xE9\nthird", 25));
  in.SetPosition(5);
  list.LoadFromStream(in);
  EXPECT_EQ(Lines(list), (V{"first", "second\xE9", "third"}));
  TStringStream out;
  list.SaveToStream(out);
  EXPECT_EQ(out.DataString(), "first\r\nsecond\xE9\r\nthird\r\n");
}

TEST(StringListStreamTest, FilesAreReadAndReplacedWhole) {
  korvax::test::TempDir dir;
  const std::string name = dir.File("lines.txt");
  korvax::test::WriteFileBytes(name, "old\ncontent\n");
  TStringList list;
  list.LoadFromFile(name);
  EXPECT_EQ(Lines(list), (V{"old", "content"}));
  list.Add("more");
  list.SaveToFile(name);
  EXPECT_EQ(korvax::test::ReadFileBytes(name), "old\r\ncontent\r\nmore\r\n");

  EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFOpenError);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.SaveToFile(dir.File("no/such/dir.txt")), EFCreateError);
}

}  // namespace
}  // namespace kcl
