// Non-visual components on a design form: the wrappers that stand for them, and
// their positions in the form file.
#include "ide/designer/wrappercontrol.h"

#include <gtest/gtest.h>

#include "ide/designer/proxyform.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/timer.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/system/syscolors.h"
#include "support/designform.h"
#include "support/formtext.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::DesignFormTest;

namespace {

using Wrappers = DesignFormTest;

// A non-visual component of a class the program has no picture for.
class TUnpictured : public TComponent {
  KCL_CLASS(TUnpictured, TComponent)
public:
  using TComponent::TComponent;
};

KCL_CLASS_INFO(TUnpictured) {}

TEST_F(Wrappers, APlacedTimerGetsAFramedPictureAtThePressPoint) {
  auto* timer = dynamic_cast<TTimer*>(PlaceByPalette("TTimer", 40, 50));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Name(), "Timer1");
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, timer);
  EXPECT_EQ(wrapper->BoundsRect(), Rect(40, 50, 68, 78));
  EXPECT_TRUE(wrapper->IsDesigning());
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{wrapper});
  ASSERT_FALSE(Log.Inspected.empty());
  EXPECT_EQ(Log.Inspected.back(), std::make_pair(static_cast<TControl*>(wrapper), static_cast<TComponent*>(timer)));
  // The picture: a dark frame round a button face, the timer's picture inside.
  ASSERT_NE(wrapper->Bitmap, nullptr);
  EXPECT_EQ(wrapper->Bitmap->Width(), 28);
  EXPECT_EQ(wrapper->Bitmap->Canvas()->Pixels(0, 0), ColorToRGB(clWindowText));
  EXPECT_EQ(wrapper->Bitmap->Canvas()->Pixels(1, 1), ColorToRGB(clBtnHighlight));

  EXPECT_NE(PlaceByPalette("TTimer", 80, 50), nullptr);
  EXPECT_NE(Form->FindComponent("Timer2"), nullptr);
  EXPECT_NE(Form->FindComponent("WrapperTimer2"), nullptr);
}

TEST_F(Wrappers, AClassWithoutAPictureShowsTheDefaultOne) {
  Designer()->CreateComponent(&TUnpictured::StaticClass(), Form.get(), 10, 10, 0, 0);
  Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 10, 50, 0, 0);
  auto* alerter = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperUnpictured1"));
  auto* timer = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperTimer1"));
  ASSERT_NE(alerter, nullptr);
  ASSERT_NE(timer, nullptr);
  TWrapperControl fallback(nullptr);  // stands for nothing: the default picture
  fallback.BuildPicture();
  const auto differences = [](TWrapperControl* a, TWrapperControl* b) {
    int count = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 28; ++x) count += a->Bitmap->Canvas()->Pixels(x, y) != b->Bitmap->Canvas()->Pixels(x, y);
    return count;
  };
  EXPECT_EQ(differences(alerter, &fallback), 0);
  EXPECT_GT(differences(timer, &fallback), 0);
}

TEST_F(Wrappers, AreNeverWrittenTheComponentKeepsThePosition) {
  PlaceByPalette("TTimer", 40, 50);
  auto* placed = dynamic_cast<TControl*>(Form->FindComponent("WrapperTimer1"));
  ASSERT_NE(placed, nullptr);
  Drag(placed, QPoint(5, 5), QPoint(25, 15));
  const std::string text = korvax::test::WriteText(Form.get());
  EXPECT_EQ(text.find("TWrapperControl"), std::string::npos) << text;
  EXPECT_NE(text.find("  object Timer1: TTimer\r\n    Left = 60\r\n    Top = 60\r\n  end\r\n"), std::string::npos) << text;

  // Read back into a new design form: the wrapper is where it was.
  Form.reset();
  std::unique_ptr<TProxyForm, TObjectFree> copy(CreateDesignForm("Form1.dfm", "Unit1.pas", Palette));
  korvax::test::ReadText(copy.get(), text);
  PrepareLoadedForm(*copy);
  auto* wrapper = dynamic_cast<TWrapperControl*>(copy->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, copy->FindComponent("Timer1"));
  EXPECT_EQ(wrapper->BoundsRect(), Rect(60, 60, 88, 88));
  EXPECT_TRUE(wrapper->IsDesigning());
  EXPECT_EQ(korvax::test::WriteText(copy.get()), text);
}

TEST_F(Wrappers, OlderFilesWithWrapperRecordsGiveTheirPositionToTheComponent) {
  const std::string older =
      "object Form1: TForm1\r\n  Left = 189\r\n  Top = 109\r\n  Width = 590\r\n  Height = 391\r\n"
      "  Caption = 'Form1'\r\n  Font.Charset = DEFAULT_CHARSET\r\n  Font.Color = clWindowText\r\n"
      "  Font.Height = -8\r\n  Font.Name = 'MS Sans Serif'\r\n  Font.Style = []\r\n  PixelsPerInch = 96\r\n"
      "  TextHeight = 10\r\n"
      "  object WrapperOpenDialog1: TWrapperControl\r\n    Left = 40\r\n    Top = 48\r\n    Width = 28\r\n"
      "    Height = 28\r\n  end\r\n"
      "  object WrapperLost1: TWrapperControl\r\n    Left = 90\r\n    Top = 48\r\n    Width = 28\r\n"
      "    Height = 28\r\n  end\r\n"
      "  object OpenDialog1: TOpenDialog\r\n  end\r\nend\r\n";
  korvax::test::ReadText(Form.get(), older);
  PrepareLoadedForm(*Form);
  auto* wrapper = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperOpenDialog1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Component, Form->FindComponent("OpenDialog1"));
  // A wrapper whose component is gone shows the default picture and stands for nothing.
  auto* lost = dynamic_cast<TWrapperControl*>(Form->FindComponent("WrapperLost1"));
  ASSERT_NE(lost, nullptr);
  EXPECT_EQ(lost->Component, nullptr);
  const std::string written = korvax::test::WriteText(Form.get());
  EXPECT_EQ(written.find("TWrapperControl"), std::string::npos) << written;
  EXPECT_NE(written.find("  object OpenDialog1: TOpenDialog\r\n    Left = 40\r\n    Top = 48\r\n  end\r\n"),
            std::string::npos)
      << written;
}

}  // namespace
