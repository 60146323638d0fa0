// The design form under the user's mouse: placing from the palette, selecting,
// moving with outlines, and the grid.
#include "ide/designer/proxyform.h"

#include <gtest/gtest.h>

#include <QImage>

#include "ide/common/environment.h"
#include "ide/designer/grabhandles.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/gridcontrols.h"
#include "kcl/components/stdctrls.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/canvas.h"
#include "support/designform.h"
#include "support/formtext.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

using ProxyForm = DesignFormTest;

TEST_F(ProxyForm, StreamsAsItsOwnClassWithTheFormsPropertiesAlone) {
  EXPECT_EQ(Form->Name(), "Form1");
  EXPECT_EQ(Form->Caption(), "Form1");
  EXPECT_EQ(Form->ClassName(), "TForm1");
  EXPECT_EQ(Form->UnitFileName, "Unit1.pas");
  EXPECT_EQ(Form->BorderStyle(), bsSizeable);
  EXPECT_EQ(CurrentDesigner, Designer());
  EXPECT_EQ(Form->Designer(), Designer());
  const std::string text = korvax::test::WriteText(Form.get());
  EXPECT_TRUE(text.starts_with("object Form1: TForm1\r\n")) << text;
  // The designer's own handling is not in the form's events.
  EXPECT_EQ(text.find("On"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Height = -8"), std::string::npos) << text;
}

TEST_F(ProxyForm, APressPlacesThePalettesClassAtThePressPoint) {
  auto* button = dynamic_cast<TButton*>(PlaceByPalette("TButton", 40, 30));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Name(), "Button1");
  EXPECT_EQ(button->Parent(), Form.get());
  EXPECT_EQ(button->Left(), 40);
  EXPECT_EQ(button->Top(), 30);
  EXPECT_TRUE(button->IsDesigning());
  EXPECT_TRUE(button->ControlStyle().Contains(csNoStdEvents));
  EXPECT_EQ(Form->CurrentControl, button);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{button});
  EXPECT_EQ(Form->ComponentNames->Text(), "Button1:TButton\r\n");
  // The choice is used up and the palette shows its arrow again.
  EXPECT_EQ(Palette.SelectedComponentTag, 0);
  EXPECT_EQ(ArrowShown, 1);
  ASSERT_FALSE(Log.Inspected.empty());
  EXPECT_EQ(Log.Inspected.back().second, button);

  // A sticky choice places again and again; the arrow stays up.
  Palette.Choose(TagOf("TEdit"), true);
  Press(Form.get(), 100, 100);
  Release(Form.get(), 100, 100);
  Press(Form.get(), 100, 150);
  Release(Form.get(), 100, 150);
  EXPECT_NE(Form->FindComponent("Edit1"), nullptr);
  EXPECT_NE(Form->FindComponent("Edit2"), nullptr);
  EXPECT_EQ(ArrowShown, 1);
}

TEST_F(ProxyForm, APressOnAContainerPlacesIntoIt) {
  auto* panel = dynamic_cast<TPanel*>(PlaceByPalette("TPanel", 10, 10));
  ASSERT_NE(panel, nullptr);
  auto* label = dynamic_cast<TLabel*>(PlaceByPalette("TLabel", 12, 14, panel));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), panel);
  EXPECT_EQ(label->Left(), 12);
  EXPECT_EQ(label->Top(), 14);
  // On a control that holds none, beside it in its parent.
  auto* check = dynamic_cast<TCheckBox*>(PlaceByPalette("TCheckBox", 3, 2, label));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->Parent(), panel);
  EXPECT_EQ(check->Left(), 15);
  EXPECT_EQ(check->Top(), 16);
}

TEST_F(ProxyForm, MovesGoInStepsOfSixPixelsAndTheReleaseAppliesTheLastStep) {
  auto* button = dynamic_cast<TButton*>(PlaceByPalette("TButton", 40, 40));
  ASSERT_NE(button, nullptr);
  // Five pixels are not far enough; the release where the press was moves nothing.
  Press(button, 10, 10);
  EXPECT_TRUE(Form->Moving);
  MoveTo(button, 15, 10);
  Release(button, 10, 10);
  EXPECT_FALSE(Form->Moving);
  EXPECT_EQ(button->Left(), 40);
  // Six are; a release elsewhere takes the outline there.
  Press(button, 10, 10);
  MoveTo(button, 16, 10);
  EXPECT_EQ(button->Left(), 40);  // only the outline has moved so far
  MoveTo(button, 18, 11);  // under six pixels from the last step: ignored
  Release(button, 19, 13);
  EXPECT_EQ(button->Left(), 49);
  EXPECT_EQ(button->Top(), 43);
  // The handles follow.
  ASSERT_NE(Designer()->Handles, nullptr);
  EXPECT_EQ(Designer()->Handles->Items[2]->Left(), 49 - 3);
  ASSERT_FALSE(Log.Edits.empty());
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Move);
}

TEST_F(ProxyForm, ShiftPressesSelectSeveralAndAPlainPressMovesThemAll) {
  std::vector<TControl*> buttons;
  for (int i = 0; i < 3; ++i) buttons.push_back(dynamic_cast<TControl*>(PlaceByPalette("TButton", 10, 10 + 40 * i)));
  for (TControl* b : buttons) {
    Press(b, 5, 5, Qt::ShiftModifier);
    MoveTo(b, 30, 30, Qt::ShiftModifier);  // moves do nothing while Shift is held
    Release(b, 30, 30, Qt::ShiftModifier);
  }
  // The button placed last was selected already.
  EXPECT_EQ(Designer()->Selection, (std::vector<TControl*>{buttons[2], buttons[0], buttons[1]}));
  EXPECT_FALSE(Form->Moving);
  for (const auto& set : Designer()->HandleSets) {
    EXPECT_TRUE(set->MultiLook);
    EXPECT_EQ(set->Color, 0x808080);
    EXPECT_TRUE(set->Items[0]->Inset);
    EXPECT_FALSE(set->Items[1]->Visible());
  }
  for (TControl* b : buttons) EXPECT_EQ(b->Left(), 10);

  Drag(buttons[1], QPoint(5, 5), QPoint(25, 5));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(buttons[i]->Left(), 30) << i;
    EXPECT_EQ(buttons[i]->Top(), 10 + 40 * i) << i;
  }
}

TEST_F(ProxyForm, OutlinesAreDrawnForAtMost255ControlsAndOnlyThoseMove) {
  Designer()->ClearSelection();
  Designer()->MultiSelect = true;
  std::vector<TControl*> controls;
  for (int i = 0; i < 256; ++i) {
    auto* c = static_cast<TControl*>(Designer()->CreateComponent(&TLabel::StaticClass(), Form.get(), 20, 20, 0, 0));
    controls.push_back(c);
  }
  EXPECT_EQ(Designer()->Selection.size(), 256u);
  EXPECT_EQ(Form->DragRects->Count(), 255);
  Designer()->MultiSelect = false;
  Drag(controls[0], QPoint(2, 2), QPoint(12, 2));
  EXPECT_EQ(controls[0]->Left(), 30);
  EXPECT_EQ(controls[254]->Left(), 30);
  EXPECT_EQ(controls[255]->Left(), 20);
}

TEST_F(ProxyForm, APressOnTheBareFormSelectsTheForm) {
  auto* button = dynamic_cast<TControl*>(PlaceByPalette("TButton", 40, 40));
  ASSERT_NE(button, nullptr);
  Press(Form.get(), 200, 200);
  Release(Form.get(), 200, 200);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{Form.get()});
  // The form's handles have no window: nothing to see around it.
  for (TGrabHandle* handle : Designer()->Handles->Items) EXPECT_EQ(handle->Parent(), nullptr);
}

TEST_F(ProxyForm, WhatTheDesignerPlacesLoadsAgain) {
  // Every class the palette places can be read back, the draw grid too.
  Designer()->CreateComponent(&TDrawGrid::StaticClass(), Form.get(), 10, 10, 0, 0);
  Designer()->CreateComponent(&TOpenDialog::StaticClass(), Form.get(), 200, 10, 0, 0);
  const std::string text = korvax::test::WriteText(Form.get());
  Form.reset();
  Form.reset(CreateDesignForm("Form1.dfm", "Unit1.pas", Palette));
  Designer()->AddListener(&Log);
  korvax::test::ReadText(Form.get(), text);
  PrepareLoadedForm(*Form);
  EXPECT_NE(dynamic_cast<TDrawGrid*>(Form->FindComponent("DrawGrid1")), nullptr);
  EXPECT_TRUE(dynamic_cast<TControl*>(Form->FindComponent("DrawGrid1"))->IsDesigning());
  EXPECT_EQ(korvax::test::WriteText(Form.get()), text);
}

TEST(GridDots, OneDotAGridPointOfTheClipRectangle) {
  TBitmap bitmap;
  bitmap.SetSize(32, 32);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, 32, 32));
  PaintGridDots(*canvas, Rect(3, 3, 20, 20), 8, 8);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool dot = x % 8 == 0 && y % 8 == 0 && x <= 16 && y <= 16;
      EXPECT_EQ(canvas->Pixels(x, y) == clBlack, dot) << x << "," << y;
    }
}

TEST_F(ProxyForm, TheGridFollowsTheSettings) {
  korvax::test::TempDir dir;
  auto saved = std::move(IniFile);
  IniFile = std::make_unique<TIniFile>(dir.File("Korvax.ini"));
  const auto dotAt = [&](int x, int y) {
    const QImage shot = Form->ClientWidget()->grab().toImage();
    return shot.pixelColor(x, y) == QColor(Qt::black);
  };
  IniFile->WriteInteger("SYSTEM", "GridSizeX", 10);
  IniFile->WriteInteger("SYSTEM", "GridSizeY", 12);
  EXPECT_TRUE(dotAt(20, 24));
  EXPECT_FALSE(dotAt(16, 16));
  IniFile->WriteBool("SYSTEM", "DisplayGrid", false);
  EXPECT_FALSE(dotAt(20, 24));
  IniFile = std::move(saved);
}

}  // namespace
