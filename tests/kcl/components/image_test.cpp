#include <gtest/gtest.h>

#include "kcl/components/image.h"
#include "kcl/components/stdctrls.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/brush.h"
#include "support/formtext.h"
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

TEST(StdCtrlsStreaming, ImageKeepsIncrementalDisplayWhenItIsOn) {
  RegisterStandardControls();
  FormPtr form = NewForm();
  form->SetName("Form1");
  auto* image = new TImage(form.get());
  image->SetName("Image1");
  image->SetParent(form.get());
  EXPECT_EQ(WriteText(form.get()).find("IncrementalDisplay"), std::string::npos);
  image->SetIncrementalDisplay(true);
  const std::string text = WriteText(form.get());
  EXPECT_NE(text.find("    IncrementalDisplay = True\r\n"), std::string::npos) << text;
  form.reset();  // the form read takes the name
  FormPtr again = NewForm();
  EXPECT_EQ(TextRoundTrip(again.get(), text), text);
  EXPECT_TRUE(static_cast<TImage*>(again->FindComponent("Image1"))->IncrementalDisplay());
}
