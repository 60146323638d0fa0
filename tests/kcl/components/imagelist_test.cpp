// The image list keeps its bitmap's bytes, and refuses others.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "kcl/classes/streams.h"
#include "kcl/components/commctrls2.h"
#include "support/formtext.h"
#include "support/hexbytes.h"
#include "support/recordroot.h"
#include "support/samplefiles.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Controls, ImageListKeepsItsBitmapBytesAndRefusesOthers) {
  RegisterWin32Controls();
  const std::string record = SampleRecord("11/REFLIST/REFFORM.DFM", "ImageList1");
  RecordRootPtr root = NewRecordRoot();
  ReadText(root.get(), "object Root: TRecordRoot\n" + record + "end\n");
  auto* images = static_cast<TImageList*>(root->FindComponent("ImageList1"));
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->Count(), 5);
  EXPECT_EQ(images->Image(4).size(), QSize(32, 32));
  EXPECT_TRUE(images->Image(5).isNull());
  // The mask of this list leaves its five pictures opaque (only unused cells are
  // masked): an inverted or misplaced mask would show here.
  std::vector<int> transparent;
  for (int i = 0; i < images->Count(); ++i) {
    const QImage image = images->Image(i);
    int count = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) count += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
    transparent.push_back(count);
  }
  EXPECT_EQ(transparent, std::vector<int>(5, 0));
  images->SetWidth(16);  // a new size empties the list
  EXPECT_EQ(images->Count(), 0);
  EXPECT_EQ(WriteTextLf(root.get()).find("Bitmap"), std::string::npos);

  for (const std::string& bad : {std::string("IL"), Unhex("494C0101050000000400200020000000FFFFFFFF0000"),
                                 Unhex("494C010105000A00040020002000FFFFFFFFFF00FFFFFFFFFFFFFFFF424D0000")}) {
    TStringStream in(bad);
    TImageList list(nullptr);
    EXPECT_THROW(list.ReadData(in), EReadError);
    EXPECT_EQ(list.Count(), 0);
  }
}
