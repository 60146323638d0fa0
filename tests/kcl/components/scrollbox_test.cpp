#include <gtest/gtest.h>

#include "kcl/components/scrollbar.h"
#include "kcl/components/scrollbox.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, ScrollBoxScrollsItsChildren) {
  FormPtr form = NewForm();
  auto* box = Place<TScrollBox>(form.get());
  box->SetBounds(8, 8, 200, 100);
  auto* far = Place<TScrollBar>(box, 10, 150);
  box->UpdateScrollBars();
  EXPECT_EQ(box->VertScrollBar()->Range(), 166);
  EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(box->ClientWidth(), 200 - 4 - 16);
  box->VertScrollBar()->SetPosition(1000);
  EXPECT_EQ(box->VertScrollBar()->Position(), 166 - box->ClientHeight());
  EXPECT_EQ(far->Top(), 150 - box->VertScrollBar()->Position());
  box->ScrollInView(far);
  box->VertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->Top(), 150);
  box->SetBorderStyle(bsNone);
  EXPECT_EQ(box->ClientHeight(), 100);
}
