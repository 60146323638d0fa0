#include <gtest/gtest.h>

#include "kcl/components/image.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/brush.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(StdCtrlsInput, ImageShowsItsPictureAndSizesToIt) {
  FormPtr form = ShownForm();
  auto* image = Place<TImage>(form.get(), "Image1");
  image->Canvas()->Brush()->SetColor(clBlue);
  image->Canvas()->FillRect(Rect(0, 0, 105, 105));
  EXPECT_EQ(image->Picture()->Width(), 105);
  image->SetAutoSize(true);
  TBitmap small;
  small.SetSize(20, 10);
  image->Picture()->SetBitmap(&small);
  EXPECT_EQ(image->Width(), 20);
  EXPECT_EQ(image->Height(), 10);
}
