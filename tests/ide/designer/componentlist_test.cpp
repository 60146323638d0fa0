#include "ide/designer/componentlist.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "ide/common/routines.h"
#include "kcl/rtl/sysutils.h"
#include "support/windowtest.h"

namespace korvax::designer {
namespace {

using test::MakeWindow;
using test::ModalAnswer;

// What the designer was asked to place, and where.
struct Placement {
  std::string ClassName;
  int Left, Top;
  bool operator==(const Placement&) const = default;
};

void PrintTo(const Placement& p, std::ostream* os) { *os << p.ClassName << " at (" << p.Left << ", " << p.Top << ")"; }

class ComponentListTest : public testing::Test {
protected:
  ComponentListTest() : FDialog(MakeWindow<TComponentList>()) {}

  TComponentList& Dialog() { return *FDialog; }
  std::string Selected() { return Dialog().CompList->Items()->Strings(Dialog().CompList->ItemIndex()); }
  // Setting the text runs the edit's OnChange, as typing does.
  void Type(const std::string& text) { Dialog().Edit1->SetText(text); }
  void Select(const std::string& name) { Dialog().CompList->SetItemIndex(Dialog().CompList->Items()->IndexOf(name)); }
  // Connects a design form of the given client height that records each placement.
  void ConnectDesignForm(int clientHeight) {
    Dialog().OnPlaceComponent = [this, clientHeight](kcl::TClass cls, int left, int top) {
      Placed.push_back({cls->ClassName(), left, top});
      return clientHeight;
    };
  }

  std::vector<Placement> Placed;

private:
  test::WindowPtr<TComponentList> FDialog;
};

TEST_F(ComponentListTest, DialogLayout) {
  EXPECT_EQ(Dialog().Caption(), "Component List");
  EXPECT_EQ(Dialog().BoundsRect().Width(), 202);
  EXPECT_EQ(Dialog().BoundsRect().Height(), 276);
  EXPECT_EQ(Dialog().FormStyle(), kcl::fsStayOnTop);
  EXPECT_EQ(Dialog().BorderIcons(), kcl::TBorderIcons{kcl::biSystemMenu});
  EXPECT_EQ(Dialog().Label1->Caption(), "Search by Name:");
  EXPECT_TRUE(Dialog().CompList->Sorted());
  EXPECT_EQ(Dialog().CompList->ItemHeight(), 16);
  EXPECT_EQ(Dialog().btnAdd->Caption(), "Add to Form");
  EXPECT_EQ(Dialog().btnCancel->Caption(), "Cancel");
  EXPECT_EQ(Dialog().NextLeft, 0);
  EXPECT_EQ(Dialog().NextTop, 0);
}

// Each name is a registered class: a misspelt one would silently add nothing.
TEST_F(ComponentListTest, ListsThePaletteClassesSortedWithTheFirstSelected) {
  const kcl::TStrings* items = Dialog().CompList->Items();
  ASSERT_EQ(items->Count(), 76);
  EXPECT_EQ(Dialog().CompList->ItemIndex(), 0);
  EXPECT_EQ(items->IndexOf("ScrollBar"), -1);
  ConnectDesignForm(100000);
  for (int i = 0; i < items->Count(); ++i) {
    const std::string name = items->Strings(i);
    EXPECT_TRUE(i == 0 || kcl::CompareText(items->Strings(i - 1), name) < 0) << name;
    Dialog().CompList->SetItemIndex(i);
    Dialog().btnAdd->Click();
    ASSERT_EQ(Placed.size(), static_cast<size_t>(i + 1)) << name;
    EXPECT_EQ(Placed.back().ClassName, std::string("T").append(name));
  }
  EXPECT_EQ(Placed.front().ClassName, "TBatchMove");
  EXPECT_EQ(Placed.back().ClassName, "TUpDown");
}

TEST_F(ComponentListTest, ShowingPutsTheFocusIntoTheSearchBox) {
  Dialog().Show();
  Dialog().CompList->SetFocus();
  ASSERT_EQ(Dialog().Window()->focusWidget(), Dialog().CompList->Widget());
  Dialog().SetVisible(false);
  Dialog().Show();
  EXPECT_EQ(Dialog().Window()->focusWidget(), Dialog().Edit1->Widget());
}

// The search moves forward from the selected name, whatever the case, and never wraps.
TEST_F(ComponentListTest, SearchSelectsTheNextNameContainingTheText) {
  ASSERT_EQ(Selected(), "BatchMove");
  Type("grid");
  EXPECT_EQ(Selected(), "ColorGrid");
  Type("GRID");
  EXPECT_EQ(Selected(), "ColorGrid");  // the selected name itself counts
  Type("gridx");
  EXPECT_EQ(Selected(), "ColorGrid");  // no later name holds it: the selection stays
  Type("Bevel");
  EXPECT_EQ(Selected(), "ColorGrid");  // Bevel stands before ColorGrid: no wrapping
  Type("g");
  EXPECT_EQ(Selected(), "ColorGrid");
  Type("tree");
  EXPECT_EQ(Selected(), "TreeView");
  Type("");
  EXPECT_EQ(Selected(), "TreeView");
  Select("BatchMove");
  Type("q");
  EXPECT_EQ(Selected(), "Query");
}

TEST_F(ComponentListTest, TypingInTheSearchBoxSearches) {
  QWidget* edit = Dialog().Edit1->Widget();
  Dialog().Show();
  ASSERT_NE(edit, nullptr);
  Dialog().Edit1->SetFocus();
  QTest::keyClicks(edit, "grid");
  EXPECT_EQ(Dialog().Edit1->Text(), "grid");
  EXPECT_EQ(Selected(), "ColorGrid");
}

// Components go one below the other and start a new column 20 pixels to the
// right once the next one would lie below the design form's client area.
TEST_F(ComponentListTest, AddPlacesComponentsInColumns) {
  ConnectDesignForm(50);
  Select("Button");
  for (int i = 0; i < 4; ++i) Dialog().btnAdd->Click();
  Select("Timer");
  Dialog().btnAdd->Click();
  EXPECT_EQ(Placed,
            (std::vector<Placement>{
                {"TButton", 0, 0}, {"TButton", 0, 20}, {"TButton", 0, 40}, {"TButton", 20, 0}, {"TTimer", 20, 20}}));
  EXPECT_EQ(Dialog().NextLeft, 20);
  EXPECT_EQ(Dialog().NextTop, 40);
}

// A component may start right on the bottom edge of the client area.
TEST_F(ComponentListTest, AColumnReachesTheBottomEdge) {
  ConnectDesignForm(40);
  Select("Edit");
  for (int i = 0; i < 4; ++i) Dialog().btnAdd->Click();
  EXPECT_EQ(Placed, (std::vector<Placement>{{"TEdit", 0, 0}, {"TEdit", 0, 20}, {"TEdit", 0, 40}, {"TEdit", 20, 0}}));
}

TEST_F(ComponentListTest, AddPlacesNothingWithoutADesignFormOrAClass) {
  Select("Button");
  Dialog().btnAdd->Click();  // no design form connected
  EXPECT_EQ(Dialog().NextTop, 0);

  ConnectDesignForm(50);
  const kcl::TClass timer = kcl::GetClass("TTimer");
  ASSERT_NE(timer, nullptr);
  kcl::UnRegisterClass(timer);
  Select("Timer");
  Dialog().btnAdd->Click();
  kcl::RegisterClass(timer);
  EXPECT_TRUE(Placed.empty());
  EXPECT_EQ(Dialog().NextLeft, 0);
  EXPECT_EQ(Dialog().NextTop, 0);
}

TEST_F(ComponentListTest, CancelClosesTheModalDialog) {
  ModalAnswer answer([](kcl::TCustomForm& form) { dynamic_cast<TComponentList&>(form).btnCancel->Click(); });
  EXPECT_EQ(ShowModalDialog<TComponentList>(), kcl::mrCancel);
}

}  // namespace
}  // namespace korvax::designer
