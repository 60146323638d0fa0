#include <gtest/gtest.h>

#include <QApplication>
#include <deque>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/dialogs.h"
#include "kcl/controls/menus.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "support/testfiles.h"

using namespace kcl;

namespace {

class TEveryForm : public TForm {
  KCL_CLASS(TEveryForm, TForm)
public:
  using TForm::TForm;
  int Created = 0;
  void FormCreate(TObject*) { ++Created; }
  void Open1Click(TObject*) {}
  void Button1Click(TObject*) {}
};
using FormPtr = std::unique_ptr<TEveryForm, TObjectFree>;

KCL_CLASS_INFO(TEveryForm) {
  cls.method("FormCreate", &TEveryForm::FormCreate);
  cls.method("Open1Click", &TEveryForm::Open1Click);
  cls.method("Button1Click", &TEveryForm::Button1Click);
}

std::string WriteText(TComponent* root) {
  TMemoryStream binary;
  TWriter writer(binary);
  writer.WriteRootComponent(root);
  return ObjectBinaryToText(std::string(binary.Memory(), static_cast<size_t>(binary.Size())));
}

}  // namespace

// A form holding one of every control, menu and dialog, with typical values,
// reads from its text layout, shows, and writes back the same text.
TEST(EveryControl, FormLayoutShowsAndWritesBackTheSameText) {
  RegisterStandardControls();
  RegisterCommonControls();
  RegisterMenus();
  RegisterDialogs();
  const std::string layout = korvax::test::ReadFileBytes(std::string(KORVAX_TEST_DATA) + "/forms/everycontrol.txt");
  FormPtr form(new TEveryForm(nullptr));
  form->LoadFromLayout(layout);
  EXPECT_EQ(form->Created, 1);
  form->Show();
  QApplication::processEvents();

  EXPECT_TRUE(form->Showing());
  auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->ActivePage(), form->FindComponent("TabSheet2"));
  // The aligned controls share the client area: menu bar and status bar included.
  EXPECT_EQ(pages->Left(), 188);
  EXPECT_EQ(pages->Height(), form->ClientHeight() - 26 - 19);
  form->Hide();
  EXPECT_EQ(WriteText(form.get()), layout);
}
