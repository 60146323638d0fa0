// "Window List...": the application's forms by name, and the one chosen brought up.
#include "ide/shell/windowlist.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ide/designer/proxyform.h"
#include "ide/shell/mainform.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "mainwindowtest.h"

namespace korvax {
namespace {

using namespace kcl;
using V = std::vector<std::string>;

class WindowList : public test::MainWindowTest {
protected:
  // "Window List..." answered by answer; the list it showed.
  V ShowWindowList(std::function<void(TWindowList&)> answer) {
    V entries;
    SetModalHook([&](TCustomForm& form) {
      auto& list = dynamic_cast<TWindowList&>(form);
      for (int i = 0; i < list.FormsList->Items()->Count(); ++i) entries.push_back(list.FormsList->Items()->Strings(i));
      Dialog = list.Caption() + (list.Position() == poScreenCenter ? " centred" : " placed");
      answer(list);
      Result = list.ModalResult();
    });
    MenuItem("ViewWindowListItem")->Click();
    SetModalHook(nullptr);
    return entries;
  }
  // The entry of exactly that name (the list's own search ignores letter case).
  static void Select(TWindowList& list, const std::string& name) {
    for (int i = 0; i < list.FormsList->Items()->Count(); ++i)
      if (list.FormsList->Items()->Strings(i) == name) list.FormsList->SetItemIndex(i);
  }
  static void Choose(TWindowList& list, const std::string& name) {
    Select(list, name);
    list.OKButton->Click();
  }
  static designer::TProxyForm& Form1() { return *FMainForm->DesignForms().at(0); }

  std::string Dialog;
  TModalResult Result = mrNone;
};

TEST_F(WindowList, ListsEveryFormByNameInTheScreensOrder) {
  const V entries = ShowWindowList([](TWindowList& list) { list.CancelButton->Click(); });
  // The list itself is one of the forms while it is made; the others keep their order.
  V others = entries;
  std::erase(others, "WindowList");
  EXPECT_EQ(others.size() + 1, entries.size());
  V screen;
  for (int i = 0; i < Screen()->FormCount(); ++i) screen.push_back(Screen()->Forms(i)->Name());
  EXPECT_EQ(others, screen);
  for (const char* name : {"FMainForm", "EditorForm", "ObjectInspector", "Form1"})
    EXPECT_NE(std::find(entries.begin(), entries.end(), name), entries.end()) << name;
  EXPECT_EQ(Dialog, "Window List centred");
  EXPECT_EQ(Result, mrCancel);
}

TEST_F(WindowList, OKBringsUpTheFirstFormOfTheChosenNameOnly) {
  designer::TProxyForm& form1 = Form1();
  form1.Hide();
  // Names compare with their letter case.
  auto* other = new TForm(nullptr);
  other->SetName("form1");
  ShowWindowList([](TWindowList& list) { Choose(list, "form1"); });
  EXPECT_EQ(Result, mrOk);
  EXPECT_TRUE(other->Showing());
  EXPECT_FALSE(form1.Showing());
  other->Free();

  ShowWindowList([](TWindowList& list) { Choose(list, "Form1"); });
  EXPECT_EQ(Result, mrOk);
  EXPECT_TRUE(form1.Showing());
  QApplication::processEvents();
  EXPECT_TRUE(form1.Focused());
  EXPECT_EQ(Screen()->ActiveForm(), &form1);
}

TEST_F(WindowList, NothingChosenOrCancelBringsUpNothing) {
  designer::TProxyForm& form1 = Form1();
  form1.Hide();
  ShowWindowList([](TWindowList& list) {
    list.HelpButton->Click();  // no action
    list.OKButton->Click();
  });
  EXPECT_EQ(Result, mrOk);
  EXPECT_FALSE(form1.Showing());
  ShowWindowList([](TWindowList& list) {
    Select(list, "Form1");
    list.CancelButton->Click();
  });
  EXPECT_EQ(Result, mrCancel);
  EXPECT_FALSE(form1.Showing());
  form1.Show();
}

}  // namespace
}  // namespace korvax
