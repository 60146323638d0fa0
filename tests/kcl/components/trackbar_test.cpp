#include <gtest/gtest.h>

#include <QSlider>
#include <QTest>

#include "kcl/components/trackbar.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Win32Input, TrackBarTellsOfTheUsersMovesOnly) {
  FormPtr form(new TForm(nullptr));
  auto* track = Create<TTrackBar>(form.get(), form.get(), "TrackBar1");
  form->Show();
  int changes = 0;
  track->OnChange.SetHandler([&](TObject*) { ++changes; });
  track->SetPosition(4);
  EXPECT_EQ(changes, 0);
  track->SetPosition(50);
  EXPECT_EQ(track->Position(), 10);  // held in the range
  auto* slider = qobject_cast<QSlider*>(track->Widget());
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->value(), 10);
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Left);
  EXPECT_EQ(track->Position(), 9);
  EXPECT_EQ(changes, 1);
  track->SetOrientation(trVertical);  // turned: the sizes change places
  EXPECT_EQ(track->Width(), 45);
  EXPECT_EQ(track->Height(), 150);
  EXPECT_EQ(slider->orientation(), Qt::Vertical);
}
