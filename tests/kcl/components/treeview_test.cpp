#include <gtest/gtest.h>

#include <QTreeWidget>
#include <string>
#include <vector>

#include "kcl/components/treeview.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, TreeViewShowsItsNodesAndAsksBeforeTheSelectionMoves) {
  FormPtr form(new TForm(nullptr));
  auto* tree = Create<TTreeView>(form.get(), form.get(), "TreeView1");
  TTreeNode* root = tree->Items()->Add(nullptr, "Root");
  TTreeNode* child = tree->Items()->AddChild(root, "Child");
  root->SetExpanded(true);
  form->Show();
  auto* widget = qobject_cast<QTreeWidget*>(tree->Widget());
  ASSERT_NE(widget, nullptr);
  ASSERT_EQ(widget->topLevelItemCount(), 1);
  EXPECT_EQ(widget->topLevelItem(0)->child(0)->text(0), "Child");
  EXPECT_TRUE(widget->topLevelItem(0)->isExpanded());
  EXPECT_EQ(widget->indentation(), 19);
  std::vector<std::string> log;
  bool allow = false;
  tree->OnChanging.SetHandler([&](TObject*, TTreeNode* n, bool& a) {
    log.push_back("changing " + n->Text());
    a = allow;
  });
  tree->OnChange.SetHandler([&](TObject*, TTreeNode* n) { log.push_back("change " + n->Text()); });
  widget->setCurrentItem(widget->topLevelItem(0)->child(0));
  EXPECT_EQ(tree->Selected(), nullptr);
  allow = true;
  widget = qobject_cast<QTreeWidget*>(tree->Widget());
  widget->setCurrentItem(widget->topLevelItem(0)->child(0));
  EXPECT_EQ(tree->Selected(), child);
  EXPECT_EQ(log, (std::vector<std::string>{"changing Child", "changing Child", "change Child"}));
  child->Delete();
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Items()->Count(), 1);
}
