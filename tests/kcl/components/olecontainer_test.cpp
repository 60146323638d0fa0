// The OLE container: what it publishes, its object's data kept byte for byte
// through forms, and the empty framed box it shows.
#include "kcl/components/olecontainer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "kcl/classes/objecttext.h"
#include "kcl/components/olecontrol.h"
#include "kcl/graphics/qtcolor.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

TEST(OleContainer, PublishesWhatDelphi3Publishes) {
  EXPECT_EQ(DeclaredPropNames(&TOleContainer::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext AllowInPlace AutoActivate AutoVerbMenu Align "
            "BorderStyle Caption Color CopyOnSave Ctl3D DragCursor DragMode Enabled Iconic OldStreamFormat ParentColor "
            "ParentCtl3D ParentShowHint PopupMenu ShowHint SizeMode TabOrder TabStop Visible OnActivate OnClick "
            "OnDeactivate OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
            "OnMouseMove OnMouseUp OnObjectMove OnResize OnStartDrag");
}

// The object's data comes back as read, zero bytes and all, and a container
// without an object writes none.
TEST(OleContainer, FormsKeepTheObjectsDataByteForByte) {
  RegisterOleControls();
  const std::string text = SampleFormText("olecontainer.txt");
  FormPtr form = ShowSampleForm(text);
  auto* chart = dynamic_cast<TOleContainer*>(form->FindComponent("ChartContainer"));
  auto* empty = dynamic_cast<TOleContainer*>(form->FindComponent("EmptyContainer"));
  ASSERT_NE(chart, nullptr);
  ASSERT_NE(empty, nullptr);
  ASSERT_EQ(chart->Data().size(), 40u);
  EXPECT_EQ(chart->Data().substr(0, 8), std::string("\x44\x02\x00\x00\xD0\xCF\x11\xE0", 8));
  EXPECT_EQ(chart->Data().back(), '\0');
  EXPECT_EQ(chart->AutoActivate(), aaGetFocus);
  EXPECT_EQ(chart->SizeMode(), smStretch);
  EXPECT_FALSE(chart->CopyOnSave());
  EXPECT_TRUE(chart->OnActivate.Assigned());
  EXPECT_TRUE(empty->Data().empty());
  EXPECT_FALSE(empty->AllowInPlace());
  EXPECT_TRUE(empty->OldStreamFormat());
  EXPECT_FALSE(chart->Activate());  // no server to activate the object
  ExpectWrittenAsRead(form.get(), text);

  chart->SetData("");
  const std::string written = WriteText(form.get());
  EXPECT_EQ(written.find("Data = {"), std::string::npos);
}

TEST(OleContainer, ShowsAnEmptyFramedBox) {
  FormPtr form = ShownForm();
  auto* container = Place<TOleContainer>(form.get(), "OleContainer1");
  EXPECT_EQ(container->Width(), 121);
  EXPECT_TRUE(container->TabStop());
  container->SetColor(clAqua);
  QImage shot = container->Widget()->grab().toImage();
  const auto colour = [&](int x, int y) { return shot.pixelColor(x, y).rgb(); };
  EXPECT_EQ(colour(0, 50), ColorToQRgb(clBtnShadow));
  EXPECT_EQ(colour(1, 50), ColorToQRgb(cl3DDkShadow));
  EXPECT_EQ(colour(120, 50), ColorToQRgb(clBtnHighlight));
  EXPECT_EQ(colour(60, 60), ColorToQRgb(clAqua));
  container->SetCtl3D(false);
  shot = container->Widget()->grab().toImage();
  EXPECT_EQ(colour(0, 50), ColorToQRgb(clWindowFrame));
  EXPECT_EQ(colour(1, 50), ColorToQRgb(clAqua));
  container->SetBorderStyle(bsNone);
  shot = container->Widget()->grab().toImage();
  EXPECT_EQ(colour(0, 50), ColorToQRgb(clAqua));
}
