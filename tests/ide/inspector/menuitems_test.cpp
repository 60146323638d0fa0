// A menu's Items in the inspector: the menu designer of the design form, whose
// items the component list then names.
#include <gtest/gtest.h>

#include <algorithm>

#include "ide/designer/menudesigner.h"
#include "inspectortest.h"
#include "kcl/controls/menus.h"

namespace korvax {
namespace {

using namespace kcl;

class MenuItemsEditor : public test::InspectorTest {
protected:
  bool Listed(const std::string& entry) const {
    TStrings* entries = Inspector->ComponentList->Items();
    return entries->IndexOf(entry) >= 0;
  }
};

TEST_F(MenuItemsEditor, ItemsOpenTheMenuDesignerAndTheComponentListFollowsItsItems) {
  auto* menu = static_cast<TMainMenu*>(Designer()->CreateComponent(&TMainMenu::StaticClass(), Form.get(), 8, 8, 0, 0));
  EXPECT_EQ(Inspector->FComponent, menu);
  SelectRow("Items");
  EXPECT_TRUE(Inspector->Browse->Visible());
  std::string caption;
  {
    test::ModalAnswer answer([&](TCustomForm& form) {
      auto& window = dynamic_cast<designer::TMenuDesigner&>(form);
      caption = window.Caption();
      window.edNewCaption->SetText("&Edit");
      window.btnAdd->Click();
      window.edNewCaption->SetText("&Copy");
      window.btnSubmenu->Click();
      window.btnClose->Click();
    });
    Inspector->BrowseClick(Inspector->Browse);
  }
  EXPECT_EQ(caption, "Form1.MainMenu1");
  ASSERT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(menu->Items()->Items(0)->Items(0)->Name(), "Copy1");
  EXPECT_TRUE(Listed("Edit1:TMenuItem"));
  EXPECT_TRUE(Listed("Copy1:TMenuItem"));

  // A deleted item leaves the list at once, its sub-items with it.
  Designer()->DeleteMenuItem(menu->Items()->Items(0));
  EXPECT_FALSE(Listed("Edit1:TMenuItem"));
  EXPECT_FALSE(Listed("Copy1:TMenuItem"));
  EXPECT_TRUE(Listed("MainMenu1:TMainMenu"));
}

}  // namespace
}  // namespace korvax
