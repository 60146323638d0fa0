#include <gtest/gtest.h>

#include <QScrollBar>

#include "kcl/components/scrollbar.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, ScrollBarPositionStaysInItsRange) {
  FormPtr form = NewForm();
  auto* bar = Place<TScrollBar>(form.get());
  int changes = 0;
  bar->OnChange.SetHandler([&](TObject*) { ++changes; });
  bar->SetPosition(500);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 0);
  bar->SetPosition(80);
  bar->SetMax(50);  // the position comes along
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_EQ(changes, 4);
  bar->SetPosition(50);
  EXPECT_EQ(changes, 4);  // no move, no event
  EXPECT_THROW(bar->SetMin(60), EInvalidOperation);
  EXPECT_EQ(bar->Min(), 0);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(bar->Height(), 121);
}

TEST(MoreControlsInput, ScrollBarReportsTheUsersScrolling) {
  FormPtr form = NewForm();
  auto* bar = Place<TScrollBar>(form.get());
  bar->SetSmallChange(3);
  form->Show();
  std::vector<TScrollCode> codes;
  bar->OnScroll.SetHandler([&](TObject*, TScrollCode code, int& pos) {
    codes.push_back(code);
    if (code == scPageDown) pos = 42;  // the handler may send it elsewhere
  });
  auto* peer = qobject_cast<QScrollBar*>(bar->Widget());
  ASSERT_NE(peer, nullptr);
  peer->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar->Position(), 3);
  peer->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar->Position(), 42);
  EXPECT_EQ(peer->value(), 42);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scPageDown}));
}
