// The report classes: their published properties, what freshly placed ones
// write, a report form read and written back, references between bands, and
// the page's size.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "kcl/qreport/qrpreview.h"
#include "kcl/qreport/qrprintables.h"
#include "kcl/qreport/quickreport.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

// The property lines of the named object's record (nested objects left out).
std::vector<std::string> PropertyLines(const std::string& text, const std::string& name) {
  std::istringstream lines(text);
  std::vector<std::string> result;
  std::string indent;
  bool inside = false;
  for (std::string line; std::getline(lines, line);) {
    const size_t at = line.find("object " + name + ":");
    if (!inside && at != std::string::npos) {
      inside = true;
      indent = line.substr(0, at) + "  ";
      continue;
    }
    if (!inside) continue;
    if (!line.starts_with(indent) || line.substr(indent.size()).starts_with("object ")) break;
    result.push_back(line.substr(indent.size()));
  }
  return result;
}

}  // namespace

TEST(Reports, PublishQuickReportsProperties) {
  const std::string control = "Name Tag Left Top Width Height Cursor Hint ";
  const std::string winControl = control + "HelpContext ";
  EXPECT_EQ(DeclaredPropNames(&TQuickReport::StaticClass()),
            winControl + "Columns DataSet Description DisplayPrintDialog Font Frame Options Orientation PaperSize "
                      "PrintIfEmpty ReportTitle ShowProgress SnapToGrid Units Zoom AfterPreview AfterPrint "
                      "BeforePrint OnEndPage OnNeedData OnPreview OnStartPage");
  const std::string band = "AlignToBottom BandType Color Enabled Font ForceNewColumn ForceNewPage Frame LinkBand "
                           "ParentFont AfterPrint BeforePrint";
  EXPECT_EQ(DeclaredPropNames(&TQRBand::StaticClass()), winControl + band);
  EXPECT_EQ(DeclaredPropNames(&TQRGroup::StaticClass()), winControl + band + " Expression FooterBand Master");
  EXPECT_EQ(DeclaredPropNames(&TQRDetailLink::StaticClass()),
            "Name Tag DataSet DetailBand FooterBand HeaderBand Master PrintBefore OnNeedData");
  EXPECT_EQ(DeclaredPropNames(&TQRLabel::StaticClass()),
            control + "Alignment AlignToBand AutoSize AutoStretch Caption Color Font Frame ParentFont Transparent "
                      "WordWrap OnPrint");
  EXPECT_EQ(DeclaredPropNames(&TQRMemo::StaticClass()),
            control + "Alignment AlignToBand AutoSize AutoStretch Color Font Frame Lines ParentFont Transparent "
                      "WordWrap");
  const std::string dbText = "Alignment AlignToBand AutoSize AutoStretch Color DataField DataSet Font Frame Mask "
                             "ParentFont Transparent WordWrap OnPrint";
  EXPECT_EQ(DeclaredPropNames(&TQRDBText::StaticClass()), control + dbText);
  EXPECT_EQ(DeclaredPropNames(&TQRDBCalc::StaticClass()), control + dbText + " Operation PrintMask ResetAfterPrint");
  EXPECT_EQ(DeclaredPropNames(&TQRSysData::StaticClass()),
            control + "Alignment AlignToBand AutoSize Color Data Font Frame ParentFont Text Transparent OnPrint");
  EXPECT_EQ(DeclaredPropNames(&TQRShape::StaticClass()), control + "Brush Pen Shape");
  EXPECT_EQ(DeclaredPropNames(&TQRPreview::StaticClass()),
            winControl + "Align DragCursor DragMode Enabled ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible "
                      "OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove "
                      "OnMouseUp OnPageAvailable OnProgressUpdate OnStartDrag PageNumber Zoom");
  EXPECT_EQ(DeclaredPropNames(&TQRFrame::StaticClass()), "Color DrawBottom DrawLeft DrawRight DrawTop Style Width");
  for (TClass cls : {&TQuickReport::StaticClass(), &TQRBand::StaticClass(), &TQRDBCalc::StaticClass(),
                     &TQRPreview::StaticClass()})
    ExpectListedInNameOrder(cls);

  const TTypeInfo* bandType = GetPropInfo(&TQRBand::StaticClass(), "BandType")->PropType;
  EXPECT_EQ(GetEnumName(bandType, 5), "rbGroupHeader");
  EXPECT_EQ(GetEnumName(GetPropInfo(&TQuickReport::StaticClass(), "PaperSize")->PropType, 9), "A4");
  const TTypeData* print = GetTypeData(GetPropInfo(&TQRLabel::StaticClass(), "OnPrint")->PropType);
  ASSERT_EQ(print->Params.size(), 2u);
  EXPECT_EQ(print->Params[1].Flags, pfVar);
}

TEST(Reports, FreshlyPlacedReportClassesWriteTheirBoundsOnly) {
  RegisterReportClasses();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetDesigning(true);
  auto* report = Create<TQuickReport>(form.get(), form.get(), "QuickReport1");
  auto* title = Create<TQRBand>(form.get(), report, "QRBand1");
  auto* group = Create<TQRGroup>(form.get(), report, "QRGroup1");
  Create<TQRDetailLink>(form.get(), nullptr, "QRDetailLink1");
  auto* label = Create<TQRLabel>(form.get(), title, "QRLabel1");
  Create<TQRMemo>(form.get(), title, "QRMemo1");
  Create<TQRDBText>(form.get(), group, "QRDBText1");
  Create<TQRDBCalc>(form.get(), group, "QRDBCalc1");
  Create<TQRSysData>(form.get(), group, "QRSysData1");
  Create<TQRShape>(form.get(), group, "QRShape1");
  Create<TQRPreview>(form.get(), form.get(), "QRPreview1");
  const std::string text = WriteTextLf(form.get());
  EXPECT_EQ(PropertyLines(text, "QuickReport1"),
            (std::vector<std::string>{"Left = 0", "Top = 0", "Width = 794", "Height = 1123"}));
  // Bands lie across the report, one below the other.
  EXPECT_EQ(PropertyLines(text, "QRGroup1"),
            (std::vector<std::string>{"Left = 0", "Top = 40", "Width = 794", "Height = 40"}));
  // A new label shows its name, sized to the text.
  EXPECT_EQ(PropertyLines(text, "QRLabel1"),
            (std::vector<std::string>{"Left = 0", "Top = 0", "Width = " + std::to_string(label->Width()),
                                      "Height = " + std::to_string(label->Height()), "Caption = 'QRLabel1'"}));
  EXPECT_EQ(PropertyLines(text, "QRMemo1"),
            (std::vector<std::string>{"Left = 0", "Top = 0", "Width = 185", "Height = 89"}));
  EXPECT_EQ(PropertyLines(text, "QRShape1"),
            (std::vector<std::string>{"Left = 0", "Top = 0", "Width = 65", "Height = 65"}));
  EXPECT_EQ(PropertyLines(text, "QRPreview1"),
            (std::vector<std::string>{"Left = 0", "Top = 0", "Width = 100", "Height = 100", "TabOrder = 1"}));
  EXPECT_EQ(PropertyLines(text, "QRDetailLink1"), std::vector<std::string>{});
  // The system data sizes itself to what it shows.
  const std::vector<std::string> sysData = PropertyLines(text, "QRSysData1");
  ASSERT_EQ(sysData.size(), 4u);
  EXPECT_NE(sysData[2], "Width = 65");
}

TEST(Reports, AReportFormReadsAndWritesBackUnchanged) {
  RegisterReportClasses();
  const std::string text =
      "object Root: TRecordRoot\n"
      "  Left = 0\n  Top = 0\n  Width = 900\n  Height = 700\n"
      "  object QRDetailLink1: TQRDetailLink\n    DetailBand = QRBand2\n    Master = QuickReport1\n"
      "    PrintBefore = True\n  end\n"
      "  object QuickReport1: TQuickReport\n    Left = 0\n    Top = 0\n    Width = 794\n    Height = 1123\n"
      "    Description.Strings = (\n      'Monthly sales')\n"
      "    Frame.DrawTop = True\n    Options = [FirstPageHeader]\n    Orientation = poLandscape\n"
      "    PaperSize = Letter\n    ReportTitle = 'Sales'\n    Units = Inches\n    Zoom = 80\n"
      "    object QRBand1: TQRBand\n      Left = 0\n      Top = 0\n      Width = 794\n      Height = 40\n"
      "      Color = clSilver\n      LinkBand = QRBand2\n"
      "      object QRLabel1: TQRLabel\n        Left = 8\n        Top = 8\n        Width = 100\n"
      "        Height = 17\n        Alignment = taCenter\n        AutoSize = False\n        Caption = 'Sales'\n"
      "        Transparent = True\n      end\n"
      "      object QRSysData1: TQRSysData\n        Left = 700\n        Top = 8\n        Width = 80\n"
      "        Height = 13\n        Data = qrsPageNumber\n        Text = 'Page '\n      end\n"
      "    end\n"
      "    object QRBand2: TQRBand\n      Left = 0\n      Top = 40\n      Width = 794\n      Height = 30\n"
      "      BandType = rbDetail\n"
      "      object QRDBCalc1: TQRDBCalc\n        Left = 8\n        Top = 4\n        Width = 60\n"
      "        Height = 13\n        DataField = 'Amount'\n        Operation = qrcAverage\n"
      "        PrintMask = '0.00'\n      end\n"
      "      object QRShape1: TQRShape\n        Left = 100\n        Top = 4\n        Width = 200\n"
      "        Height = 2\n        Shape = qrsHorLine\n      end\n"
      "    end\n"
      "  end\n"
      "end\n";
  RecordRootPtr form = NewRecordRoot();
  ReadText(form.get(), text);
  auto* link = static_cast<TQRDetailLink*>(form->FindComponent("QRDetailLink1"));
  EXPECT_EQ(link->DetailBand(), form->FindComponent("QRBand2"));
  EXPECT_EQ(static_cast<TQuickReport*>(form->FindComponent("QuickReport1"))->PaperSize(), TQRPaperSize::Letter);
  EXPECT_EQ(WriteTextLf(form.get()), text);

  // References let go of components that go.
  form->FindComponent("QRBand2")->Free();
  EXPECT_EQ(link->DetailBand(), nullptr);
  EXPECT_EQ(static_cast<TQRBand*>(form->FindComponent("QRBand1"))->LinkBand(), nullptr);
}

TEST(Reports, ThePageFollowsPaperOrientationAndZoom) {
  FormPtr form(new TForm(nullptr));
  auto* report = Create<TQuickReport>(form.get(), form.get(), "QuickReport1");
  report->SetOrientation(poLandscape);
  EXPECT_EQ(report->Width(), 1123);
  EXPECT_EQ(report->Height(), 794);
  report->SetPaperSize(TQRPaperSize::Letter);
  report->SetZoom(50);
  EXPECT_EQ(report->Width(), 527);  // 279 mm at half size
  EXPECT_EQ(report->Height(), 408);
  report->SetZoom(5000);
  EXPECT_EQ(report->Zoom(), 500);
}
