#include "ide/inspector/objectinspector.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "support/windowtest.h"

namespace korvax::inspector {
namespace {

using test::ExpectedFont;
using test::HasFont;
using test::MakeWindow;

TEST(ObjectInspector, DialogAtTheLeftEdgeWithAPlaceholderEntry) {
  auto inspector = MakeWindow<TObjectInspector>();
  EXPECT_EQ(inspector->Caption(), "Object Inspector");
  EXPECT_EQ(inspector->BorderStyle(), kcl::bsDialog);
  EXPECT_EQ(inspector->BorderIcons(), kcl::TBorderIcons{kcl::biSystemMenu});
  EXPECT_EQ(inspector->ClientWidth(), 186);
  EXPECT_EQ(inspector->ClientHeight(), 391);
  EXPECT_TRUE(HasFont(*inspector->Font(), ExpectedFont{"MS Sans Serif", -11}));
  EXPECT_EQ(inspector->Left(), 0);  // the layout puts it elsewhere

  kcl::TComboBox* list = inspector->ComponentList;
  EXPECT_EQ(list->Parent(), inspector->Panel1);
  EXPECT_EQ(list->Style(), kcl::csDropDownList);
  EXPECT_TRUE(list->Sorted());
  EXPECT_EQ(list->Left(), 0);
  EXPECT_EQ(list->Top(), 1);
  EXPECT_EQ(list->Width(), 185);
  ASSERT_EQ(list->Items()->Count(), 1);
  EXPECT_EQ(list->Items()->Strings(0), "Form1:TForm1");
}

TEST(ObjectInspector, PagesFillTheWindowBelowTheTopPanel) {
  auto inspector = MakeWindow<TObjectInspector>();
  EXPECT_EQ(inspector->Panel1->Align(), kcl::alTop);
  EXPECT_EQ(inspector->Panel1->BevelOuter(), kcl::bvNone);
  kcl::TPageControl* pages = inspector->PageControl1;
  ASSERT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->Pages(0)->Caption(), "Properties");
  EXPECT_EQ(pages->Pages(1)->Caption(), "Events");
  EXPECT_EQ(pages->ActivePage(), inspector->TabProperty);
  EXPECT_TRUE(inspector->StatusBar1->SimplePanel());
  EXPECT_EQ(inspector->StatusBar1->Parent(), inspector->TabProperty);

  inspector->Show();
  EXPECT_EQ(inspector->Panel1->BoundsRect(), kcl::Bounds(0, 0, 186, 28));
  EXPECT_EQ(pages->BoundsRect(), kcl::Bounds(0, 28, 186, 391 - 28));
  kcl::TStatusBar* status = inspector->StatusBar1;
  EXPECT_EQ(status->Top() + status->Height(), inspector->TabProperty->ClientHeight());
  EXPECT_EQ(inspector->PropertyBox->Height(), status->Top());
}

// Both lists draw their own fixed-height rows on silver.
TEST(ObjectInspector, PropertyAndEventListsAreOwnerDrawn) {
  auto inspector = MakeWindow<TObjectInspector>();
  for (kcl::TListBox* list : {inspector->PropertyBox, inspector->EventBox}) {
    SCOPED_TRACE(list->Name());
    EXPECT_EQ(list->Align(), kcl::alClient);
    EXPECT_EQ(list->Style(), kcl::lbOwnerDrawFixed);
    EXPECT_EQ(list->ItemHeight(), 20);
    EXPECT_EQ(list->Color(), kcl::clSilver);
    EXPECT_TRUE(HasFont(*list->Font(), ExpectedFont{"Arial", -13}));
  }
  EXPECT_EQ(inspector->PropertyBox->Parent(), inspector->TabProperty);
  EXPECT_EQ(inspector->EventBox->Parent(), inspector->TabEvent);
}

// The in-place editors wait hidden on their pages until a row is edited.
TEST(ObjectInspector, InPlaceEditorsStartHidden) {
  auto inspector = MakeWindow<TObjectInspector>();
  const struct {
    kcl::TWinControl* Control;
    kcl::TTabSheet* Page;
    ExpectedFont Font;
  } editors[] = {{inspector->cbValue, inspector->TabProperty, {"Arial", -11}},
                 {inspector->edProperty, inspector->TabProperty, {"Arial", -13}},
                 {inspector->Browse, inspector->TabProperty, {"Arial", -15, {kcl::fsBold}}},
                 {inspector->edEvent, inspector->TabEvent, {"MS Sans Serif", -11}}};
  inspector->Show();
  for (const auto& [control, page, font] : editors) {
    SCOPED_TRACE(control->Name());
    EXPECT_EQ(control->Parent(), page);
    EXPECT_TRUE(HasFont(*control->Font(), font));
    EXPECT_FALSE(control->Visible());
    EXPECT_FALSE(control->Widget() && control->Widget()->isVisible());
  }
  EXPECT_FALSE(inspector->cbValue->Ctl3D());
  EXPECT_EQ(inspector->cbValue->Style(), kcl::csDropDownList);
  EXPECT_EQ(inspector->cbValue->ItemHeight(), 14);
  for (kcl::TEdit* edit : {inspector->edProperty, inspector->edEvent}) {
    EXPECT_FALSE(edit->Ctl3D()) << edit->Name();
    EXPECT_EQ(edit->BorderStyle(), kcl::bsNone) << edit->Name();
  }
  EXPECT_EQ(inspector->Browse->Width(), 18);
  EXPECT_EQ(inspector->Browse->Height(), 21);
  EXPECT_EQ(inspector->Browse->Caption(), "...");
  EXPECT_TRUE(inspector->Browse->ShowHint());
}

}  // namespace
}  // namespace korvax::inspector
