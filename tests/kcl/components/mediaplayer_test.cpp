#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/mediaplayer.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, MediaPlayerButtonsShareItsWidth) {
  FormPtr form = NewForm();
  auto* player = Place<TMediaPlayer>(form.get());
  player->SetVisibleButtons({btPlay, btPause, btStop});
  EXPECT_EQ(player->Width(), 85);
  EXPECT_EQ(player->ButtonRect(btPause), Rect(28, 0, 57, 30));
  EXPECT_EQ(player->ButtonRect(btEject), TRect{});
  EXPECT_EQ(player->ButtonAt(60, 10), btStop);
  // No device opens here: at run time AutoEnable leaves every button grey.
  EXPECT_FALSE(player->ButtonEnabled(btPlay));
  player->SetAutoEnable(false);
  player->SetEnabledButtons({btPlay});
  EXPECT_TRUE(player->ButtonEnabled(btPlay));
  EXPECT_FALSE(player->ButtonEnabled(btStop));
  std::vector<std::string> calls;
  player->OnClick.SetHandler([&](TObject*, TMPBtnType b, bool&) { calls.push_back("click " + std::to_string(b)); });
  player->OnPostClick.SetHandler([&](TObject*, TMPBtnType b) { calls.push_back("post " + std::to_string(b)); });
  form->Show();
  QTest::mouseClick(player->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseClick(player->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 10));  // disabled stop
  EXPECT_EQ(calls, (std::vector<std::string>{"click 0", "post 0"}));
}
