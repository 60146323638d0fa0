// Panels align their children inside their frames; a splitter resizes the
// control before it.
#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/extctrls.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/stdbuttons.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, PanelsAndGroupBoxesAlignChildrenInsideTheirFrames) {
  FormPtr form = ShownForm();
  auto* panel = Place<TPanel>(form.get(), "Panel1");
  panel->SetAlign(alClient);
  EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, form->ClientWidth(), form->ClientHeight()));
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(3);
  auto* top = Place<TPanel>(panel, "Panel2");
  top->SetAlign(alTop);
  EXPECT_EQ(top->BoundsRect(), Rect(5, 5, panel->Width() - 5, 5 + 41));  // bevels 1 + 1, border 3
  auto* group = Place<TGroupBox>(panel, "GroupBox1", 10, 60);
  auto* inside = Place<TButton>(group, "Button1", 0, 0);
  EXPECT_EQ(inside->Widget()->parentWidget(), group->Widget());
  EXPECT_EQ(inside->Widget()->pos(), QPoint(0, 0));  // the whole area, as on Windows
  inside->SetAlign(alBottom);
  EXPECT_EQ(inside->Top() + inside->Height(), group->Height() - 2);
  int resizes = 0;
  top->OnResize.SetHandler([&](TObject*) { ++resizes; });
  form->SetWidth(500);
  EXPECT_EQ(resizes, 1);
}

TEST(StdCtrlsInput, SplitterResizesTheControlBeforeIt) {
  FormPtr form = ShownForm();
  auto* left = Place<TPanel>(form.get(), "Left");
  left->SetAlign(alLeft);
  left->SetWidth(100);
  auto* splitter = Place<TSplitter>(form.get(), "Splitter1", 150, 0);
  auto* client = Place<TPanel>(form.get(), "Client");
  client->SetAlign(alClient);
  EXPECT_EQ(splitter->Left(), 100);
  int moved = 0;
  splitter->OnMoved.SetHandler([&](TObject*) { ++moved; });
  QTest::mousePress(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 50));
  QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(41, 50));
  EXPECT_EQ(left->Width(), 140);
  EXPECT_EQ(splitter->Left(), 140);
  EXPECT_EQ(client->Left(), 143);
  EXPECT_EQ(moved, 1);
  QTest::mousePress(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 50));
  QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(-500, 50));
  EXPECT_EQ(left->Width(), splitter->MinSize());
}
