// The grab handles around a selected control, and resizing with them.
#include "ide/designer/grabhandles.h"

#include <gtest/gtest.h>

#include "ide/designer/wrappercontrol.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "support/designform.h"
#include "support/pixels.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

using GrabHandles = DesignFormTest;

TEST_F(GrabHandles, EightHandlesSitOnTheOutlineAndCornersInsetForSeveral) {
  auto* button = static_cast<TButton*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 10, 20, 75, 25));
  TGrabHandles* set = Designer()->Handles;
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->Control, button);
  EXPECT_EQ(set->Color, clWindowText);
  const TPoint centres[8] = {{10, 45}, {10, 32}, {10, 20}, {47, 20}, {85, 20}, {85, 32}, {85, 45}, {47, 45}};
  for (int i = 0; i < 8; ++i) {
    TGrabHandle* handle = set->Items[static_cast<size_t>(i)];
    EXPECT_EQ(handle->Centre(), centres[i]) << i;
    EXPECT_EQ(handle->BoundsRect(), Rect(centres[i].X - 3, centres[i].Y - 3, centres[i].X + 3, centres[i].Y + 3)) << i;
    EXPECT_EQ(handle->Parent(), Form.get());
    EXPECT_TRUE(handle->Visible());
  }
  EXPECT_EQ(set->Items[0]->Cursor(), crSizeNESW);
  EXPECT_EQ(set->Items[3]->Cursor(), crSizeNS);

  set->SetMultiLook(true);
  const TPoint inset[4] = {{12, 43}, {12, 22}, {83, 22}, {83, 43}};
  for (int corner = 0; corner < 4; ++corner) EXPECT_EQ(set->Items[static_cast<size_t>(2 * corner)]->Centre(), inset[corner]);
  for (int middle = 1; middle < 8; middle += 2) EXPECT_FALSE(set->Items[static_cast<size_t>(middle)]->Visible());
  EXPECT_EQ(set->Color, 0x808080);
}

TEST_F(GrabHandles, OneLayerOnTheParentShowsTheSquaresAndTakesOnlyTheirPresses) {
  auto* panel = static_cast<TControl*>(Designer()->CreateComponent(&TPanel::StaticClass(), Form.get(), 10, 10, 200, 100));
  auto* button = static_cast<TControl*>(Designer()->CreateComponent(&TButton::StaticClass(), panel, 20, 20, 75, 25));
  QCoreApplication::sendPostedEvents();
  TGrabHandleLayer* layer = TGrabHandleLayer::For(static_cast<TWinControl*>(panel));
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->parentWidget(), static_cast<TWinControl*>(panel)->ClientWidget());
  EXPECT_TRUE(layer->isVisible());
  // Above the button placed after it, shaped to the eight squares.
  EXPECT_EQ(layer->parentWidget()->children().constLast(), layer);
  TGrabHandle* right = Designer()->Handles->Items[5];
  EXPECT_TRUE(layer->mask().contains(QPoint(right->Left() + 1, right->Top() + 1)));
  EXPECT_FALSE(layer->mask().contains(QPoint(button->Left() + 30, button->Top() + 12)));
  EXPECT_EQ(layer->HandleAt(QPoint(right->Left() + 1, right->Top() + 1)), right);
  EXPECT_EQ(korvax::test::ColorAt(right, 3, 3), QColor(Qt::black));

  // Several selected: grey corners only.
  Designer()->MultiSelect = true;
  Designer()->SelectComponent(Designer()->CreateComponent(&TEdit::StaticClass(), panel, 20, 60, 0, 0));
  QCoreApplication::sendPostedEvents();
  TGrabHandles* first = Designer()->HandleSets.front().get();
  EXPECT_EQ(layer->HandleAt(QPoint(first->Items[5]->Left() + 1, first->Items[5]->Top() + 1)), nullptr);
  EXPECT_EQ(korvax::test::ColorAt(first->Items[2], 3, 3), QColor(0x80, 0x80, 0x80));

  // Selecting the form takes the squares away, and the layer with them.
  Designer()->MultiSelect = false;
  Designer()->InspectComponent(nullptr, Form.get());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(layer->HandleCount(), 0);
  EXPECT_FALSE(layer->isVisible());
}

TEST(GrabHandleSize, FollowsTheScreenResolution) {
  EXPECT_EQ(2 * TGrabHandle::HalfSizeFor(96), 6);
  EXPECT_EQ(2 * TGrabHandle::HalfSizeFor(144), 8);
}

TEST(GrabHandleResize, EdgesFollowTheHandleAndFlipPastTheOppositeOne) {
  const TRect bounds = Rect(100, 50, 175, 75);
  EXPECT_EQ(TGrabHandle::ResizedRect(bounds, 5, {0, 62}), Rect(0, 50, 100, 75));
  EXPECT_EQ(TGrabHandle::ResizedRect(bounds, 2, {90, 40}), Rect(90, 40, 175, 75));
  EXPECT_EQ(TGrabHandle::ResizedRect(bounds, 7, {0, 20}), Rect(100, 20, 175, 50));
  EXPECT_EQ(TGrabHandle::ResizedRect(bounds, 0, {100, 50}), Rect(100, 50, 175, 50));
}

TEST_F(GrabHandles, DraggingAHandleResizesOnRelease) {
  auto* button = static_cast<TButton*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 200, 50, 75, 25));
  TGrabHandles* set = Designer()->Handles;
  TGrabHandle* right = set->Items[5];
  Press(right, 3, 3);
  EXPECT_FALSE(set->Visible);
  MoveTo(right, 3 - 100, 3);
  EXPECT_EQ(button->Width(), 75);  // only the outline so far
  Release(right, 3 - 100, 3);
  // Dragged 100 pixels left of a 75-pixel control: the rectangle flips.
  EXPECT_EQ(button->BoundsRect(), Rect(175, 50, 200, 75));
  EXPECT_TRUE(set->Visible);
  EXPECT_EQ(set->Items[5]->Centre(), TPoint(200, 62));
  ASSERT_FALSE(Log.Edits.empty());
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Resize);
}

TEST_F(GrabHandles, AWrapperKeepsItsSizeAndMovesWithTheHandle) {
  auto* timer = Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 100, 100, 0, 0);
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, timer);
  TGrabHandle* left = Designer()->Handles->Items[1];
  Press(left, 3, 3);
  MoveTo(left, 3 - 30, 3);
  Release(left, 3 - 30, 3);
  EXPECT_EQ(wrapper->BoundsRect(), Rect(70, 100, 98, 128));
}

}  // namespace
