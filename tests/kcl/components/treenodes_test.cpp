// A tree view's nodes in the framework's binary layout, through form text too,
// and malformed node data refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kcl/classes/streams.h"
#include "kcl/components/commctrls2.h"
#include "support/formtext.h"
#include "support/hexbytes.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Controls, TreeNodesStreamInDelphisBinaryLayout) {
  RegisterWin32Controls();
  RecordRootPtr root = NewRecordRoot("Root");
  auto* tree = Create<TTreeView>(root.get(), root.get(), "TreeView1");
  TTreeNodes* items = tree->Items();
  TTreeNode* a = items->Add(nullptr, "A");
  items->AddChild(a, "B")->SetImageIndex(3);
  items->Add(a, "Caf\xe9");
  EXPECT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Item(2)->Text(), "Caf\xe9");
  TMemoryStream data;
  items->WriteData(data);
  const std::string node = "0000000000000000FFFFFFFFFFFFFFFF00000000";
  EXPECT_EQ(Hex(std::string(data.View())),
            "02000000"
            "1A000000" +
                node +
                "01000000"
                "0141"
                "1A000000"
                "0300000000000000FFFFFFFFFFFFFFFF00000000"
                "00000000"
                "0142"
                "1D000000" +
                node +
                "00000000"
                "04436166E9");
  // Read back, with a data value from the file kept for writing.
  std::string bytes(data.View());
  bytes[4 + 4 + 16] = 0x2A;
  TStringStream in(bytes);
  TTreeNodes copy(nullptr);
  copy.ReadData(in);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Root(0)->Item(0)->ImageIndex(), 3);
  EXPECT_EQ(copy.Root(0)->Item(0)->Level(), 1);
  TMemoryStream again;
  copy.WriteData(again);
  EXPECT_EQ(std::string(again.View()), bytes);

  // Through the form text: "Items.Data" after the published properties.
  const std::string text = WriteTextLf(root.get());
  EXPECT_NE(text.find("    Indent = 19\n    Items.Data = {\n"), std::string::npos) << text;
  RecordRootPtr read = NewRecordRoot();
  ReadText(read.get(), text);
  EXPECT_EQ(static_cast<TTreeView*>(read->FindComponent("TreeView1"))->Items()->Count(), 3);
  EXPECT_EQ(WriteTextLf(read.get()), text);
}

TEST(Win32Controls, MalformedNodeDataIsAReadErrorAndLeavesTheNodes) {
  TTreeNodes nodes(nullptr);
  nodes.Add(nullptr, "kept");
  const std::string good =
      "01000000"
      "1A000000"
      "0000000000000000FFFFFFFFFFFFFFFF00000000"
      "00000000"
      "0141";
  for (const std::string& bad : std::vector<std::string>{good.substr(0, good.size() - 2),  // cut short
                                                         "01000000"
                                                         "1B000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "00000000"
                                                         "0141",  // size and text disagree
                                                         "01000000"
                                                         "1A000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "FFFFFF7F"
                                                         "0141",      // children beyond the data
                                                         "FFFFFFFF",  // a negative count
                                                         "01000000"
                                                         "10000000"
                                                         "0000000000000000FFFFFFFFFFFFFFFF00000000"
                                                         "00000000"
                                                         "0141"}) {
    SCOPED_TRACE(bad);
    TStringStream in(Unhex(bad));
    EXPECT_THROW(nodes.ReadData(in), EReadError);
    ASSERT_EQ(nodes.Count(), 1);
    EXPECT_EQ(nodes.Root(0)->Text(), "kept");
  }
  // Deep nesting is read and freed without recursion.
  std::string deep = "01000000";
  for (int i = 0; i < 100000; ++i)
    deep +=
        "1A000000"
        "0000000000000000FFFFFFFFFFFFFFFF00000000"
        "01000000"
        "0141";
  deep +=
      "1A000000"
      "0000000000000000FFFFFFFFFFFFFFFF00000000"
      "00000000"
      "0141";
  TStringStream in(Unhex(deep));
  nodes.ReadData(in);
  EXPECT_EQ(nodes.Count(), 100001);
  nodes.Clear();
}
