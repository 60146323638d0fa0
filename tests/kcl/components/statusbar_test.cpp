#include <gtest/gtest.h>

#include "kcl/components/statusbar.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(CommonControls, StatusBarLaysOutPanelsOrOneSimplePanel) {
  FormPtr form = NewForm(408, 300);  // client 400 wide
  auto* status = Create<TStatusBar>(form.get(), form.get(), "StatusBar1");
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 254, 400, 19));
  status->Panels()->Add()->SetWidth(100);
  status->Panels()->Add()->SetWidth(80);
  TStatusPanel* last = status->Panels()->Add();
  last->SetWidth(30);
  last->SetStyle(psOwnerDraw);
  EXPECT_EQ(status->PanelRect(0), Rect(0, 2, 98, 19));
  EXPECT_EQ(status->PanelRect(1), Rect(100, 2, 178, 19));
  EXPECT_EQ(status->PanelRect(2), Rect(180, 2, 400, 19));  // the last reaches the edge
  std::vector<TRect> drawn;
  status->OnDrawPanel.SetHandler([&](TStatusBar*, TStatusPanel* p, const TRect& r) {
    EXPECT_EQ(p, last);
    drawn.push_back(r);
  });
  form->Show();
  status->Widget()->grab();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), Rect(181, 3, 399, 18));
  status->SetSimplePanel(true);
  EXPECT_EQ(status->PanelRect(0), TRect{});
  drawn.clear();
  status->Widget()->grab();
  EXPECT_TRUE(drawn.empty());  // the simple panel hides the others
  int resized = 0;
  status->OnResize.SetHandler([&](TObject*) { ++resized; });
  form->SetClientWidth(300);
  EXPECT_EQ(status->Width(), 300);
  EXPECT_EQ(resized, 1);
}
