// ActiveX controls: their published properties, the sample forms' controls
// written back byte for byte, and damaged control data refused.
#include <gtest/gtest.h>

#include <QApplication>

#include "kcl/classes/filer.h"
#include "kcl/classes/objecttext.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/olecontrol.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/exceptions.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/samplefiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

void RegisterAll() {
  RegisterOleControls();
  RegisterClass(&TPanel::StaticClass());
}

// The binary form of a root holding one TVSSpell whose ControlData is data.
std::string SpellerBinary(const std::string& data) {
  return ObjectTextToBinary(RecordRootText("  object VSSpell1: TVSSpell\n    Left = 1\n    Top = 2\n"
                                           "    Width = 23\n    Height = 23\n    ControlData = {" + data + "}\n  end\n"));
}

}  // namespace

TEST(OleControls, PublishWhatTheirImportedWrappersPublish) {
  EXPECT_EQ(DeclaredPropNames(&TVtChart::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext TabStop Align DragCursor DragMode ParentShowHint PopupMenu "
            "ShowHint TabOrder Visible OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnStartDrag");
  EXPECT_EQ(ListedPropNames(&TVtChart::StaticClass()),
            "Align Cursor DragCursor DragMode Height HelpContext Hint Left Name OnDragDrop OnDragOver OnEndDrag OnEnter OnExit "
            "OnStartDrag ParentShowHint PopupMenu ShowHint TabOrder TabStop Tag Top Visible Width");
  EXPECT_EQ(DeclaredPropNames(&TVSSpell::StaticClass()), "Name Tag Left Top Width Height Cursor Hint HelpContext");
  EXPECT_EQ(ListedPropNames(&TVSSpell::StaticClass()), "Cursor Height HelpContext Hint Left Name Tag Top Width");
}

TEST(OleControls, FreshlyPlacedControlsWriteTheirBoundsOnly) {
  RegisterAll();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetDesigning(true);
  auto* chart = new TVtChart(form.get());
  chart->SetName("VtChart1");
  chart->SetParent(form.get());
  auto* speller = new TVSSpell(form.get());
  speller->SetName("VSSpell1");
  speller->SetParent(form.get());
  speller->SetBounds(30, 40, speller->Width(), speller->Height());
  const std::string text = WriteTextLf(form.get());
  EXPECT_EQ(RecordOf(text, "VtChart1"),
            "object VtChart1: TVtChart\n  Left = 0\n  Top = 0\n  Width = 200\n  Height = 150\n  TabOrder = 0\nend\n");
  EXPECT_EQ(RecordOf(text, "VSSpell1"),
            "object VSSpell1: TVSSpell\n  Left = 30\n  Top = 40\n  Width = 23\n  Height = 23\nend\n");
}

TEST(OleControls, SampleFormControlsKeepTheirDataByteForByte) {
  RegisterAll();
  // Windowed controls before the chart give it its tab order.
  const std::string panels = "  object Panel1: TPanel\n  end\n  object Panel2: TPanel\n  end\n"
                             "  object Panel3: TPanel\n  end\n";
  for (const auto& [file, name, before] : {std::tuple{"23/XCHART/XCHARTF.DFM", "VtChart1", panels},
                                           std::tuple{"23/SPELL/SPELLF.DFM", "VSSpell1", std::string()}}) {
    SCOPED_TRACE(file);
    const std::string record = SampleRecord(file, name);
    RecordRootPtr root = ReadDesignedRoot(RecordRootText(before + Indented(record)));
    auto* control = static_cast<TOleControl*>(root->FindComponent(name));
    EXPECT_GT(control->ControlData().size(), 50u);
    EXPECT_EQ(RecordOf(ObjectBinaryToText(WriteBinary(root.get())), name), record);
  }
}

TEST(OleControls, DamagedControlDataIsAReadingError) {
  RegisterAll();
  // A length that runs past the end of the stream.
  std::string binary = SpellerBinary("0000020001");
  const std::string name = "ControlData";
  const size_t at = binary.find(name) + name.size();
  ASSERT_EQ(static_cast<uint8_t>(binary[at]), vaBinary);
  binary[at + 2] = '\x10';  // 5 bytes become 4101
  RecordRootPtr root = NewRecordRoot();
  EXPECT_THROW(ReadBinary(root.get(), binary), EReadError);

  // Control data that is not binary.
  RecordRootPtr other = NewRecordRoot();
  const std::string text = RecordRootText("  object VSSpell1: TVSSpell\n    ControlData = 'abc'\n  end\n");
  EXPECT_THROW(ReadText(other.get(), text), EReadError);

  // Intact data reads.
  RecordRootPtr intact = NewRecordRoot();
  ReadBinary(intact.get(), SpellerBinary("0000020001"));
  EXPECT_EQ(static_cast<TOleControl*>(intact->FindComponent("VSSpell1"))->ControlData(),
            std::string("\x00\x00\x02\x00\x01", 5));
}

TEST(OleControls, ShowAFramedBoxWithTheirClassName) {
  FormPtr form = NewForm(300, 200);
  auto* chart = new TVtChart(form.get());
  chart->SetParent(form.get());
  form->Show();
  const QImage shot = chart->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 10), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(5, 10), QColor(0xC0, 0xC0, 0xC0));  // button face of the Windows scheme
  // The class name in the middle, in dark text.
  bool text = false;
  for (int x = 2; x < shot.width() - 2 && !text; ++x)
    for (int y = chart->Height() / 2 - 4; y <= chart->Height() / 2 + 4 && !text; ++y)
      text = shot.pixelColor(x, y).lightness() < 100;
  EXPECT_TRUE(text);
}
