#include <gtest/gtest.h>

#include "kcl/components/label.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, LabelsSizeThemselvesToTheirText) {
  FormPtr form = ShownForm();
  auto* label = Place<TLabel>(form.get(), "Label1");
  const int shortWidth = label->Width();
  EXPECT_EQ(label->Height(), 13);
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  label->SetCaption("&Save");  // the accelerator's & takes no room
  const int withAccel = label->Width();
  label->SetShowAccelChar(false);
  EXPECT_GT(label->Width(), withAccel);
  label->SetWordWrap(true);
  label->SetWidth(40);
  label->SetCaption("one two three four five six");
  EXPECT_EQ(label->Width(), 40);
  EXPECT_GE(label->Height(), 3 * 13);
  EXPECT_EQ(label->Height() % 13, 0);
  // Right-aligned labels grow to the left.
  auto* right = Place<TLabel>(form.get(), "Label2", 200, 50);
  right->SetAlignment(taRightJustify);
  const int edge = right->Left() + right->Width();
  right->SetCaption("Label2 is longer now");
  EXPECT_EQ(right->Left() + right->Width(), edge);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_EQ(label->Width(), 40);
}
