// The designer's layout commands: align, size, scale and z-order, each one edit.
#include <gtest/gtest.h>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "support/designform.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

class LayoutEdits : public DesignFormTest {
protected:
  TControl* Place(int left, int top, int width, int height) {
    return static_cast<TControl*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), left, top, width, height));
  }
  // The controls selected in this order.
  void Select(const std::vector<TControl*>& controls) {
    Designer()->ClearSelection();
    Designer()->MultiSelect = true;
    for (TControl* control : controls) Designer()->SelectComponent(control);
    Designer()->MultiSelect = false;
  }
};

TEST_F(LayoutEdits, AlignMovesTheOthersToTheFirstSelected) {
  TControl* a = Place(40, 10, 100, 25);
  TControl* b = Place(20, 50, 100, 25);
  TControl* c = Place(70, 90, 51, 25);
  Select({b, a, c});
  const size_t edits = Log.Edits.size();
  Designer()->AlignSelection(TAlignMode::Start, TAlignMode::NoChange);
  EXPECT_EQ(a->Left(), 20);
  EXPECT_EQ(b->Left(), 20);
  EXPECT_EQ(c->Left(), 20);
  EXPECT_EQ(c->Top(), 90);
  ASSERT_EQ(Log.Edits.size(), edits + 1);
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Align);
  // Centres truncate toward zero: 51 wide lands 24 right, 151 wide 25 left.
  Designer()->AlignSelection(TAlignMode::Centers, TAlignMode::End);
  EXPECT_EQ(c->Left(), 44);
  EXPECT_EQ(c->Top(), 50);
  c->SetBounds(c->Left(), c->Top(), 151, 25);
  Designer()->AlignSelection(TAlignMode::Centers, TAlignMode::NoChange);
  EXPECT_EQ(c->Left(), -5);
  Designer()->AlignSelection(TAlignMode::End, TAlignMode::NoChange);
  EXPECT_EQ(a->Left(), 20);
  EXPECT_EQ(c->Left(), -31);
}

TEST_F(LayoutEdits, SpaceEquallyAndCenterInWindow) {
  Form->SetClientWidth(400);
  Form->SetClientHeight(300);
  TControl* a = Place(10, 10, 20, 10);
  TControl* b = Place(200, 10, 30, 10);
  TControl* c = Place(50, 10, 40, 10);
  TControl* d = Place(100, 10, 10, 10);
  Select({b, a, d, c});
  // From a's left side to b's right side (220) less their widths (100): gaps of 40.
  Designer()->AlignSelection(TAlignMode::SpaceEqually, TAlignMode::NoChange);
  EXPECT_EQ(a->Left(), 10);
  EXPECT_EQ(c->Left(), 70);
  EXPECT_EQ(d->Left(), 150);
  EXPECT_EQ(b->Left(), 200);
  // The whole from 10 to 230 and 10 to 20 goes to the middle, its spacing kept.
  Designer()->AlignSelection(TAlignMode::CenterInWindow, TAlignMode::CenterInWindow);
  EXPECT_EQ(a->Left(), 90);
  EXPECT_EQ(b->Left(), 280);
  EXPECT_EQ(c->Left(), 150);
  EXPECT_EQ(a->Top(), 145);
  EXPECT_EQ(d->Top(), 145);
}

TEST_F(LayoutEdits, SizeShrinksGrowsOrSetsAndLeavesWrappersAlone) {
  TControl* a = Place(10, 10, 40, 25);
  TControl* b = Place(10, 50, 25, 30);
  TControl* c = Place(10, 90, 60, 20);
  TComponent* timer = Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 200, 10, 0, 0);
  auto* wrapper = static_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(timer->Name())));
  ASSERT_NE(wrapper, nullptr);
  Select({a, b, c, wrapper});
  Designer()->SizeSelection(TSizeMode::Shrink, 0, TSizeMode::Grow, 0);
  for (TControl* control : {a, b, c}) {
    EXPECT_EQ(control->Width(), 25);
    EXPECT_EQ(control->Height(), 30);
  }
  EXPECT_EQ(wrapper->Width(), 28);
  Designer()->SizeSelection(TSizeMode::Absolute, 80, TSizeMode::NoChange, 0);
  EXPECT_EQ(b->Width(), 80);
  EXPECT_EQ(b->Height(), 30);
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Size);
}

TEST_F(LayoutEdits, ScaleTakesTheFormsComponentsAndPlacesTheHandlesAgain) {
  TControl* button = Place(10, 21, 75, 25);
  TComponent* timer = Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 100, 40, 0, 0);
  auto* wrapper = static_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(timer->Name())));
  Designer()->InspectComponent(nullptr, button);
  Designer()->ScaleComponents(150);
  EXPECT_EQ(button->BoundsRect(), Bounds(15, 31, 112, 37));
  EXPECT_EQ(wrapper->Left(), 150);
  EXPECT_EQ(wrapper->Top(), 60);
  EXPECT_EQ(wrapper->Width(), 28);
  EXPECT_EQ(timer->DesignInfo(), (60 << 16) | 150);
  // The handles sit on the scaled control's outline.
  EXPECT_EQ(Designer()->Handles->Items[0]->Centre(), (TPoint{15, 68}));
  Designer()->ScaleComponents(0);
  EXPECT_EQ(button->BoundsRect(), Bounds(0, 0, 0, 0));
  EXPECT_EQ(wrapper->Left(), 0);
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Scale);
}

TEST_F(LayoutEdits, TheCurrentControlGoesToTheFrontOrTheBack) {
  TControl* first = Place(10, 10, 75, 25);
  TControl* second = Place(20, 20, 75, 25);
  Form->CurrentControl = first;  // the control pressed last
  Designer()->MoveCurrentInZOrder(true);
  EXPECT_EQ(Form->Controls().back(), first);
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::ZOrder);
  Designer()->MoveCurrentInZOrder(false);
  EXPECT_EQ(Form->Controls().back(), second);
}

TEST_F(LayoutEdits, SelectAllTakesEveryComponentANonVisualOneThroughItsWrapper) {
  TControl* a = Place(10, 10, 40, 25);
  TComponent* timer = Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 100, 40, 0, 0);
  TControl* b = Place(10, 50, 40, 25);
  Designer()->SelectAll();
  ASSERT_EQ(Designer()->Selection.size(), 3u);
  EXPECT_EQ(Designer()->Selection[0], a);
  EXPECT_EQ(TProxyDesigner::ComponentOf(Designer()->Selection[1]), timer);
  EXPECT_EQ(Designer()->Selection[2], b);
  EXPECT_FALSE(Designer()->MultiSelect);
  // Then aligned as a whole, a first.
  Designer()->AlignSelection(TAlignMode::NoChange, TAlignMode::Start);
  EXPECT_EQ(b->Top(), 10);
}

}  // namespace
