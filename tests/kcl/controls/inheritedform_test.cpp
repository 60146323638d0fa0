#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/image.h"
#include "kcl/controls/menus.h"
#include "kcl/components/edit.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/picture.h"
#include "kcl/rtl/exceptions.h"
#include "support/formtext.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;
using korvax::test::ReadText;

namespace {

const char* const BaseText =
    "object BaseForm: TBaseForm\r\n"
    "  Left = 100\r\n"
    "  Top = 100\r\n"
    "  Width = 300\r\n"
    "  Height = 200\r\n"
    "  Caption = 'Base'\r\n"
    "  Menu = MainMenu1\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Image1: TImage\r\n"
    "    Left = 200\r\n"
    "    Top = 60\r\n"
    "    Width = 32\r\n"
    "    Height = 32\r\n"
    "  end\r\n"
    "  object Panel1: TPanel\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 292\r\n"
    "    Height = 41\r\n"
    "    Align = alTop\r\n"
    "    TabOrder = 0\r\n"
    "    object OKButton: TButton\r\n"
    "      Left = 8\r\n"
    "      Top = 8\r\n"
    "      Width = 75\r\n"
    "      Height = 25\r\n"
    "      Caption = 'OK'\r\n"
    "      TabOrder = 0\r\n"
    "      OnClick = OKButtonClick\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object Memo1: TMemo\r\n"
    "    Left = 8\r\n"
    "    Top = 48\r\n"
    "    Width = 185\r\n"
    "    Height = 89\r\n"
    "    Lines.Strings = (\r\n"
    "      'one')\r\n"
    "    TabOrder = 1\r\n"
    "  end\r\n"
    "  object MainMenu1: TMainMenu\r\n"
    "    Left = 8\r\n"
    "    Top = 144\r\n"
    "    object File1: TMenuItem\r\n"
    "      Caption = '&File'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object OpenDialog1: TOpenDialog\r\n"
    "    Left = 40\r\n"
    "    Top = 144\r\n"
    "  end\r\n"
    "end\r\n";

void Register() {
  RegisterStandardControls();
  RegisterCommonControls();
  RegisterMenus();
  RegisterDialogs();
}

// The base form, and a form of a class derived from it read from the base's text.
struct FormPair {
  FormPair() {
    Register();
    Base.reset(new TForm(nullptr));
    Base->SetClassType(TClassInfo::CreateRuntimeClass("TBaseForm", &TForm::StaticClass()));
    ReadText(Base.get(), BaseText);
    // The ancestor's picture is made here rather than written out as hex.
    auto* image = static_cast<TImage*>(Base->FindComponent("Image1"));
    image->Picture()->Bitmap()->SetSize(2, 2);
    image->Picture()->Bitmap()->Canvas()->SetPixels(1, 1, clRed);
    Child = NewChild();
  }

  FormPtr NewChild() const {
    FormPtr child(new TForm(nullptr));
    child->SetClassType(TClassInfo::CreateRuntimeClass("TChildForm", Base->ClassType()));
    ReadText(child.get(), BaseText);
    static_cast<TImage*>(child->FindComponent("Image1"))->Picture()->Assign(
        static_cast<TImage*>(Base->FindComponent("Image1"))->Picture());
    child->SetName("ChildForm");
    return child;
  }

  std::string ChildText() const {
    TMemoryStream stream;
    stream.WriteDescendent(Child.get(), Base.get());
    return ObjectBinaryToText(stream.View());
  }

  template <typename T>
  T* Child_(const char* name) const {
    return dynamic_cast<T*>(Child->FindComponent(name));
  }

  FormPtr Base, Child;
};

}  // namespace

// A form unchanged from its ancestor writes only what a form always writes.
TEST(InheritedForm, UnchangedFormWritesNoComponents) {
  FormPair forms;
  EXPECT_EQ(forms.ChildText(),
            "inherited ChildForm: TChildForm\r\n"
            "  PixelsPerInch = 96\r\n"
            "  TextHeight = 13\r\n"
            "end\r\n");
}

// Changes, a cleared handler and reference, and a new control placed before the
// inherited ones are written as differences; reading them on top of the ancestor
// gives the same form back.
TEST(InheritedForm, DifferencesWriteAndReadBack) {
  FormPair forms;
  TForm& child = *forms.Child;
  child.SetCaption("Child");
  child.SetMenu(nullptr);
  forms.Child_<TButton>("OKButton")->SetCaption("Go");
  forms.Child_<TButton>("OKButton")->OnClick.SetMethod({});
  forms.Child_<TMemo>("Memo1")->Lines()->Add("two");
  forms.Child_<TOpenDialog>("OpenDialog1")->SetDesignInfo(40 << 16 | 80);
  auto* bevel = new TBevel(&child);
  bevel->SetName("Bevel1");
  bevel->SetParent(&child);
  bevel->SetBounds(8, 140, 100, 2);
  const std::string expected =
      "inherited ChildForm: TChildForm\r\n"
      "  Caption = 'Child'\r\n"
      "  Menu = nil\r\n"
      "  PixelsPerInch = 96\r\n"
      "  TextHeight = 13\r\n"
      "  object Bevel1: TBevel [1]\r\n"
      "    Left = 8\r\n"
      "    Top = 140\r\n"
      "    Width = 100\r\n"
      "    Height = 2\r\n"
      "  end\r\n"
      "  inherited Panel1: TPanel\r\n"
      "    inherited OKButton: TButton\r\n"
      "      Caption = 'Go'\r\n"
      "      OnClick = nil\r\n"
      "    end\r\n"
      "  end\r\n"
      "  inherited Memo1: TMemo\r\n"
      "    Lines.Strings = (\r\n"
      "      'one'\r\n"
      "      'two')\r\n"
      "  end\r\n"
      "  inherited OpenDialog1: TOpenDialog\r\n"
      "    Left = 80\r\n"
      "    Top = 40\r\n"
      "  end\r\n"
      "end\r\n";
  ASSERT_EQ(forms.ChildText(), expected);

  // Loading: the ancestor's text, then the differences (into a form that has
  // the name to itself).
  forms.Child.reset();
  FormPtr again = forms.NewChild();
  ReadText(again.get(), expected);
  EXPECT_EQ(again->Caption(), "Child");
  EXPECT_EQ(again->Menu(), nullptr);
  auto* button = static_cast<TButton*>(again->FindComponent("OKButton"));
  EXPECT_EQ(button->Caption(), "Go");
  EXPECT_FALSE(button->OnClick.Assigned());
  EXPECT_EQ(static_cast<TMemo*>(again->FindComponent("Memo1"))->Lines()->Count(), 2);
  ASSERT_NE(again->FindComponent("Bevel1"), nullptr);
  EXPECT_EQ(again->Controls()[1], again->FindComponent("Bevel1"));
  forms.Child = std::move(again);
  EXPECT_EQ(forms.ChildText(), expected);
}

// Binary data is compared with the ancestor's: an unchanged picture is left out,
// a changed one is written whole.
TEST(InheritedForm, PictureWrittenOnlyWhenItDiffers) {
  FormPair forms;
  EXPECT_EQ(forms.ChildText().find("Image1"), std::string::npos);
  forms.Child_<TImage>("Image1")->Picture()->Bitmap()->Canvas()->SetPixels(0, 0, clBlue);
  const std::string text = forms.ChildText();
  EXPECT_NE(text.find("  inherited Image1: TImage\r\n    Picture.Data = {"), std::string::npos) << text;

  // A picture cleared in the child is written as no graphic, and read back so.
  forms.Child_<TImage>("Image1")->Picture()->Assign(nullptr);
  const std::string cleared = forms.ChildText();
  EXPECT_NE(cleared.find("    Picture.Data = {00}\r\n"), std::string::npos) << cleared;
  forms.Child.reset();
  FormPtr again = forms.NewChild();
  ReadText(again.get(), cleared);
  EXPECT_EQ(static_cast<TImage*>(again->FindComponent("Image1"))->Picture()->Graphic(), nullptr);
  forms.Child = std::move(again);
  EXPECT_EQ(forms.ChildText(), cleared);
}

// A stream that inherits a component the ancestor does not have fails with the
// framework's message and leaves the form as far as it was read.
TEST(InheritedForm, MissingAncestorComponentIsAReadingError) {
  FormPair forms;
  try {
    ReadText(forms.Child.get(),
             "inherited ChildForm: TChildForm\r\n  Caption = 'Read'\r\n"
             "  inherited Nowhere: TButton\r\n    Caption = 'x'\r\n  end\r\nend\r\n");
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Ancestor for 'Nowhere' not found");
  }
  EXPECT_EQ(forms.Child->Caption(), "Read");
  EXPECT_NE(forms.Child->FindComponent("OKButton"), nullptr);
}
