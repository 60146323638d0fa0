// The unit's field lines follow the items the menu designer adds, renames, moves
// and deletes on the current design form.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ide/designer/menudesigner.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "kcl/controls/menus.h"
#include "mainwindowtest.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class MenuFields : public test::MainWindowTest {
protected:
  static std::string UnitText() { return EditorForm->RichEdit1->Lines()->Text(); }
  static bool HasField(const std::string& name, const std::string& className) {
    return UnitText().find("    " + name + ":" + className + ";\r\n") != std::string::npos;
  }
  void AddItem(designer::TMenuDesigner& window, TButton* button, const std::string& caption) {
    window.edNewCaption->SetText(caption);
    button->Click();
  }
};

TEST_F(MenuFields, TheUnitDeclaresEveryItemAndFollowsRenamesAndDeletions) {
  designer::TProxyForm* form = FMainForm->CurrentDesignForm;
  ASSERT_NE(form, nullptr);
  designer::TProxyDesigner* designer = form->ProxyDesigner();
  auto* menu = static_cast<TMainMenu*>(designer->PlaceComponent(&TMainMenu::StaticClass(), nullptr, TPoint{16, 8}));
  std::unique_ptr<designer::TMenuDesigner, TObjectFree> window(new designer::TMenuDesigner(nullptr));
  window->SetMenu(designer, menu);
  AddItem(*window, window->btnAdd, "&File");
  AddItem(*window, window->btnSubmenu, "&New");
  AddItem(*window, window->btnAdd, "&Open...");
  AddItem(*window, window->btnAdd, "-");
  AddItem(*window, window->btnAdd, "E&xit");
  EXPECT_TRUE(HasField("MainMenu1", "TMainMenu")) << UnitText();
  for (const char* name : {"File1", "New1", "Open1", "N1", "Exit1"}) EXPECT_TRUE(HasField(name, "TMenuItem")) << name;

  // A move changes no declaration; a rename changes the one line.
  const std::string declared = UnitText();
  window->btnUp->Click();
  EXPECT_EQ(menu->Items()->Items(0)->Items(2)->Name(), "Exit1");
  EXPECT_EQ(UnitText(), declared);
  window->edName->SetText("FileExitItem");
  window->edNameExit(window->edName);
  EXPECT_TRUE(HasField("FileExitItem", "TMenuItem"));
  EXPECT_FALSE(HasField("Exit1", "TMenuItem"));

  // The File item goes with its sub-items, and so do their lines.
  window->SelectItem(menu->Items()->Items(0));
  window->btnDelete->Click();
  for (const char* name : {"File1", "New1", "Open1", "N1", "FileExitItem"})
    EXPECT_FALSE(HasField(name, "TMenuItem")) << name;
  EXPECT_TRUE(HasField("MainMenu1", "TMainMenu"));
}

}  // namespace
}  // namespace korvax
