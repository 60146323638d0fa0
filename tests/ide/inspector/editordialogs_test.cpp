// The inspector's own dialog editors, answered through the modal test seams.
#include <gtest/gtest.h>

#include "ide/inspector/editordialogs.h"
#include "ide/inspector/propertyeditors.h"
#include "kcl/components/edit.h"
#include "kcl/components/image.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/graphic.h"
#include "kcl/graphics/picture.h"
#include "kcl/controls/menus.h"
#include "kcl/rtl/exceptions.h"
#include "support/testfiles.h"
#include "support/testform.h"
#include "support/windowtest.h"

namespace korvax::inspector {
namespace {

using namespace kcl;

class DialogEditors : public testing::Test {
protected:
  void SetUp() override {
    test::RegisterLayoutClasses();
    RegisterPropertyEditors();
  }
  std::unique_ptr<TPropertyEditor> EditorOf(TPersistent* instance, const std::string& name) {
    auto editor = CreatePropertyEditor(nullptr, instance, GetPropInfo(instance, name));
    EXPECT_NE(editor, nullptr) << name;
    return editor;
  }
  test::FormPtr Form = test::NewForm(200, 100);
};

TEST_F(DialogEditors, StringListsAreEditedInAMemoAndSetOnOk) {
  auto* memo = new TMemo(Form.get());
  memo->SetParent(Form.get());
  memo->Lines()->SetText("one\r\ntwo\r\n");
  auto editor = EditorOf(memo, "Lines");
  EXPECT_EQ(std::string(editor->ClassName()), "TKV_StringListProperty");
  EXPECT_EQ(editor->GetAttributes(), 78);
  EXPECT_EQ(editor->GetValue(), "(TStrings)");

  std::string countShown;
  {
    test::ModalAnswer answer([&](TCustomForm& form) {
      auto& dialog = dynamic_cast<TStringsForm&>(form);
      EXPECT_EQ(dialog.Caption(), "StringList Editor");
      EXPECT_EQ(dialog.Memo1->Lines()->Count(), 2);  // a copy of the property's lines
      dialog.Memo1->Lines()->Add("three");
      countShown = dialog.Label1->Caption();
      dialog.SetModalResult(mrCancel);
    });
    editor->Edit();
  }
  EXPECT_EQ(countShown, "3Line");
  EXPECT_EQ(memo->Lines()->Count(), 2);  // cancelled

  {
    test::ModalAnswer answer([](TCustomForm& form) {
      auto& dialog = dynamic_cast<TStringsForm&>(form);
      dialog.Memo1->Lines()->Add("three");
      dialog.btnOK->Click();
    });
    editor->Edit();
  }
  ASSERT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "three");
}

TEST_F(DialogEditors, APictureLoadsFromAFileAndAnUnknownKindIsRefused) {
  test::TempDir dir;
  {
    TBitmap bitmap;
    bitmap.SetSize(5, 4);
    bitmap.SaveToFile(dir.File("dot.bmp"));
  }
  test::WriteFileBytes(dir.File("photo.jpg"), "not a bitmap");
  auto* image = new TImage(Form.get());
  image->SetParent(Form.get());
  auto editor = EditorOf(image, "Picture");
  EXPECT_EQ(std::string(editor->ClassName()), "TKV_PictureProperty");

  std::string chosen;
  SetDialogHook([&](TComponent& dialog) {
    static_cast<TOpenDialog&>(dialog).SetFileName(chosen);
    return true;
  });
  const auto load = [&](const std::string& file, TModalResult result) {
    chosen = file;
    test::ModalAnswer answer([&](TCustomForm& form) {
      auto& dialog = dynamic_cast<TPictureEdit&>(form);
      try {
        dialog.btnLoadClick(nullptr);
      } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(std::string(e.what()), "Unknown picture file extension (.jpg)");
      }
      dialog.SetModalResult(result);
    });
    editor->Edit();
  };
  load(dir.File("dot.bmp"), mrCancel);
  EXPECT_EQ(image->Picture()->Width(), 0);
  load(dir.File("dot.bmp"), mrOk);
  EXPECT_EQ(image->Picture()->Width(), 5);
  load(dir.File("photo.jpg"), mrOk);  // the dialog kept the picture it had
  EXPECT_EQ(image->Picture()->Width(), 5);
  SetDialogHook(nullptr);
}

TEST_F(DialogEditors, AMenusItemsOffADesignFormOpenNothing) {
  auto* menu = new TMainMenu(Form.get());
  auto editor = EditorOf(menu, "Items");
  EXPECT_EQ(std::string(editor->ClassName()), "TKV_MenuItemProperty");
  EXPECT_EQ(editor->GetAttributes(), 78);
  bool shown = false;
  {
    test::ModalAnswer answer([&](TCustomForm& form) {
      shown = true;
      form.SetModalResult(mrOk);
    });
    editor->Edit();
  }
  EXPECT_FALSE(shown);
  EXPECT_EQ(menu->Items()->Count(), 0);
}

}  // namespace
}  // namespace korvax::inspector
