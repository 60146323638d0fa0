// The standard controls as form files see them: Delphi 3's published
// properties in declaration order, what a freshly placed control writes, round
// trips, and real Delphi 3 form files written back byte for byte.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/bitmap.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/proptypes.h"
#include "support/samplefiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

// A form that streams with a handler method of its own.
class TStdForm : public TForm {
  KCL_CLASS(TStdForm, TForm)
public:
  using TForm::TForm;
  void ButtonClick(TObject*) {}
};
using StdFormPtr = std::unique_ptr<TStdForm, TObjectFree>;

KCL_CLASS_INFO(TStdForm) { cls.method("ButtonClick", &TStdForm::ButtonClick); }

StdFormPtr NewStdForm() {
  RegisterStandardControls();
  StdFormPtr form(new TStdForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  return form;
}

const std::string Inherited = "Name Tag Left Top Width Height Cursor Hint ";
const std::string ButtonProps =
    "Cancel Caption Default DragCursor DragMode Enabled Font ModalResult ParentFont ParentShowHint PopupMenu ShowHint "
    "TabOrder TabStop Visible OnClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
    "OnMouseDown OnMouseMove OnMouseUp OnStartDrag ";

// Delphi 3's published properties of each class in declaration order (PopupMenu
// aside, which comes with the menus).
const std::map<std::string, std::string> DeclaredOrder = {
    {"TLabel", "Align Alignment AutoSize Caption Color DragCursor DragMode Enabled FocusControl Font ParentColor "
               "ParentFont ParentShowHint PopupMenu ShowAccelChar ShowHint Transparent Layout Visible WordWrap OnClick "
               "OnDblClick OnDragDrop OnDragOver OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TEdit", "AutoSelect AutoSize BorderStyle CharCase Color Ctl3D DragCursor DragMode Enabled Font HideSelection "
              "ImeMode ImeName MaxLength OEMConvert ParentColor ParentCtl3D ParentFont ParentShowHint PasswordChar PopupMenu "
              "ReadOnly ShowHint TabOrder TabStop Text Visible OnChange OnClick OnDblClick OnDragDrop OnDragOver "
              "OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TMemo", "Align Alignment BorderStyle Color Ctl3D DragCursor DragMode Enabled Font HideSelection ImeMode "
              "ImeName Lines MaxLength OEMConvert ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ReadOnly "
              "ScrollBars ShowHint TabOrder TabStop Visible WantReturns WantTabs WordWrap OnChange OnClick "
              "OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
              "OnMouseMove OnMouseUp OnStartDrag"},
    {"TButton", ButtonProps},
    {"TBitBtn", ButtonProps + "Glyph Kind Layout Margin NumGlyphs Style Spacing"},
    {"TCheckBox", "Alignment AllowGrayed Caption Checked Color Ctl3D DragCursor DragMode Enabled Font ParentColor "
                  "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint State TabOrder TabStop Visible OnClick "
                  "OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
                  "OnMouseMove OnMouseUp OnStartDrag"},
    {"TRadioButton", "Alignment Caption Checked Color Ctl3D DragCursor DragMode Enabled Font ParentColor "
                     "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnClick OnDblClick "
                     "OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
                     "OnMouseMove OnMouseUp OnStartDrag"},
    {"TGroupBox", "Align Caption Color Ctl3D DragCursor DragMode Enabled Font ParentColor ParentCtl3D ParentFont "
                  "ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver "
                  "OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TListBox", "Align BorderStyle Color Columns Ctl3D DragCursor DragMode Enabled ExtendedSelect Font ImeMode "
                 "ImeName IntegralHeight ItemHeight Items MultiSelect ParentColor ParentCtl3D ParentFont "
                 "ParentShowHint PopupMenu ShowHint Sorted Style TabOrder TabStop TabWidth Visible OnClick OnDblClick "
                 "OnDragDrop OnDragOver OnDrawItem OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                 "OnMeasureItem OnMouseDown OnMouseMove OnMouseUp OnStartDrag"},
    {"TComboBox", "Style Color Ctl3D DragMode DragCursor DropDownCount Enabled Font ImeMode ImeName ItemHeight "
                  "Items MaxLength ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint Sorted TabOrder "
                  "TabStop Text Visible OnChange OnClick OnDblClick OnDragDrop OnDragOver OnDrawItem OnDropDown "
                  "OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMeasureItem OnStartDrag"},
    {"TPanel", "Align Alignment BevelInner BevelOuter BevelWidth BorderWidth BorderStyle DragCursor DragMode "
               "Enabled FullRepaint Caption Color Ctl3D Font Locked ParentColor ParentCtl3D ParentFont "
               "ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag "
               "OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDrag"},
    {"TBevel", "Align ParentShowHint Shape ShowHint Style Visible"},
    {"TRadioGroup", "Align Caption Color Columns Ctl3D DragCursor DragMode Enabled Font ItemIndex Items "
                    "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnClick "
                    "OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnStartDrag"},
    {"TSplitter", "Align Beveled Color MinSize ParentColor Visible OnMoved"},
    {"TImage", "Align AutoSize Center DragCursor DragMode Enabled IncrementalDisplay ParentShowHint Picture PopupMenu ShowHint Stretch "
               "Transparent Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnMouseDown OnMouseMove "
               "OnMouseUp OnStartDrag"},
    {"TSpeedButton", "AllowAllUp GroupIndex Down Caption Enabled Flat Font Glyph Layout Margin NumGlyphs "
                     "ParentFont ParentShowHint ShowHint Spacing Visible OnClick OnDblClick OnMouseDown "
                     "OnMouseMove OnMouseUp"},
};

}  // namespace

TEST(StdCtrlsStreaming, PublishedPropertiesAreDelphis) {
  RegisterStandardControls();
  for (const auto& [name, order] : DeclaredOrder) {
    SCOPED_TRACE(name);
    TClass cls = FindClass(name);
    const bool windowed = cls->InheritsFrom(&TWinControl::StaticClass());
    ExpectPublished(cls, Inherited + (windowed ? "HelpContext " : "") + order);
  }
  EXPECT_EQ(PropType("TLabel", "Caption")->Name, "TCaption");
  EXPECT_EQ(PropType("TLabel", "Alignment")->Name, "TAlignment");
  EXPECT_EQ(PropType("TLabel", "Layout")->Name, "TTextLayout");
  EXPECT_EQ(PropType("TCheckBox", "Alignment")->Name, "TLeftRight");
  EXPECT_EQ(PropType("TMemo", "ScrollBars")->Name, "TScrollStyle");
  EXPECT_EQ(PropType("TMemo", "BorderStyle")->Name, "TBorderStyle");
  EXPECT_EQ(PropType("TEdit", "CharCase")->Name, "TEditCharCase");
  EXPECT_EQ(PropType("TPanel", "BevelOuter")->Name, "TBevelCut");
  EXPECT_EQ(PropType("TListBox", "OnDrawItem")->Name, "TDrawItemEvent");
  EXPECT_EQ(PropType("TButton", "OnClick")->Name, "TNotifyEvent");
  EXPECT_EQ(PropType("TButton", "ModalResult")->Name, "TModalResult");
  const TTypeInfo* shape = GetPropInfo(FindClass("TBevel"), "Shape")->PropType;
  EXPECT_EQ(shape->Name, "TBevelShape");
  EXPECT_EQ(GetEnumName(shape, 5), "bsRightLine");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TBevel"), "Style")->PropType, 1), "bsRaised");
  EXPECT_EQ(GetEnumName(GetPropInfo(FindClass("TBitBtn"), "Kind")->PropType, 3), "bkHelp");
}

TEST(StdCtrlsStreaming, FreshlyPlacedControlsWriteWhatDelphiWrites) {
  StdFormPtr form = NewStdForm();
  const auto text = [&](TComponent* c) { return ComponentText(form.get(), c); };
  const std::string bounds = "  Left = 8\r\n  Top = 8\r\n";
  EXPECT_EQ(text(Place<TButton>(form.get(), "Button1")),
            "object Button1: TButton\r\n" + bounds +
                "  Width = 75\r\n  Height = 25\r\n  Caption = 'Button1'\r\n  TabOrder = 0\r\nend\r\n");
  EXPECT_EQ(text(Place<TEdit>(form.get(), "Edit1")),
            "object Edit1: TEdit\r\n" + bounds +
                "  Width = 121\r\n  Height = 21\r\n  TabOrder = 1\r\n  Text = 'Edit1'\r\nend\r\n");
  EXPECT_EQ(text(Place<TMemo>(form.get(), "Memo1")),
            "object Memo1: TMemo\r\n" + bounds +
                "  Width = 185\r\n  Height = 89\r\n  Lines.Strings = (\r\n    'Memo1')\r\n  TabOrder = 2\r\nend\r\n");
  EXPECT_EQ(text(Place<TCheckBox>(form.get(), "CheckBox1")),
            "object CheckBox1: TCheckBox\r\n" + bounds +
                "  Width = 97\r\n  Height = 17\r\n  Caption = 'CheckBox1'\r\n  TabOrder = 3\r\nend\r\n");
  EXPECT_EQ(text(Place<TRadioButton>(form.get(), "RadioButton1")),
            "object RadioButton1: TRadioButton\r\n" + bounds +
                "  Width = 113\r\n  Height = 17\r\n  Caption = 'RadioButton1'\r\n  TabOrder = 4\r\nend\r\n");
  EXPECT_EQ(text(Place<TListBox>(form.get(), "ListBox1")),
            "object ListBox1: TListBox\r\n" + bounds +
                "  Width = 121\r\n  Height = 97\r\n  ItemHeight = 13\r\n  TabOrder = 5\r\nend\r\n");
  EXPECT_EQ(text(Place<TComboBox>(form.get(), "ComboBox1")),
            "object ComboBox1: TComboBox\r\n" + bounds +
                "  Width = 145\r\n  Height = 21\r\n  ItemHeight = 13\r\n  TabOrder = 6\r\n  Text = 'ComboBox1'\r\nend\r\n");
  EXPECT_EQ(text(Place<TGroupBox>(form.get(), "GroupBox1")),
            "object GroupBox1: TGroupBox\r\n" + bounds +
                "  Width = 185\r\n  Height = 105\r\n  Caption = 'GroupBox1'\r\n  TabOrder = 7\r\nend\r\n");
  EXPECT_EQ(text(Place<TPanel>(form.get(), "Panel1")),
            "object Panel1: TPanel\r\n" + bounds +
                "  Width = 185\r\n  Height = 41\r\n  Caption = 'Panel1'\r\n  TabOrder = 8\r\nend\r\n");
  EXPECT_EQ(text(Place<TRadioGroup>(form.get(), "RadioGroup1")),
            "object RadioGroup1: TRadioGroup\r\n" + bounds +
                "  Width = 185\r\n  Height = 105\r\n  Caption = 'RadioGroup1'\r\n  TabOrder = 9\r\nend\r\n");
  EXPECT_EQ(text(Place<TBitBtn>(form.get(), "BitBtn1")),
            "object BitBtn1: TBitBtn\r\n" + bounds +
                "  Width = 75\r\n  Height = 25\r\n  Caption = 'BitBtn1'\r\n  TabOrder = 10\r\nend\r\n");
  EXPECT_EQ(text(Place<TBevel>(form.get(), "Bevel1")),
            "object Bevel1: TBevel\r\n" + bounds + "  Width = 50\r\n  Height = 50\r\nend\r\n");
  EXPECT_EQ(text(Place<TImage>(form.get(), "Image1")),
            "object Image1: TImage\r\n" + bounds + "  Width = 105\r\n  Height = 105\r\nend\r\n");
  EXPECT_EQ(text(Place<TSpeedButton>(form.get(), "SpeedButton1")),
            "object SpeedButton1: TSpeedButton\r\n" + bounds + "  Width = 25\r\n  Height = 25\r\nend\r\n");
  auto* label = Place<TLabel>(form.get(), "Label1");
  EXPECT_EQ(text(label), "object Label1: TLabel\r\n" + bounds + "  Width = " + std::to_string(label->Width()) +
                             "\r\n  Height = 13\r\n  Caption = 'Label1'\r\nend\r\n");
  auto* splitter = Place<TSplitter>(form.get(), "Splitter1");
  EXPECT_EQ(text(splitter), "object Splitter1: TSplitter\r\n  Left = 0\r\n  Top = 0\r\n  Width = 3\r\n  Height = " +
                                std::to_string(form->ClientHeight()) + "\r\nend\r\n");
}

// A splitter's cursor is written only when it is not crHSplit, its declared
// default; a panel's size is always written, as no default is declared for it.
TEST(StdCtrlsStreaming, SplitterCursorAndPanelSizeAgainstTheirDefaults) {
  StdFormPtr form = NewStdForm();
  auto* splitter = Place<TSplitter>(form.get(), "Splitter1");
  auto* panel = Place<TPanel>(form.get(), "Panel1");
  EXPECT_EQ(ComponentText(form.get(), splitter).find("Cursor"), std::string::npos);
  EXPECT_NE(ComponentText(form.get(), panel).find("  Width = 185\r\n  Height = 41\r\n"), std::string::npos);
  splitter->SetAlign(alTop);
  splitter->SetCursor(crVSplit);
  EXPECT_NE(ComponentText(form.get(), splitter).find("  Cursor = crVSplit\r\n"), std::string::npos);
  splitter->SetCursor(crDefault);
  EXPECT_NE(ComponentText(form.get(), splitter).find("  Cursor = crDefault\r\n"), std::string::npos);
}

TEST(StdCtrlsStreaming, AFormOfEveryControlRoundTrips) {
  StdFormPtr form = NewStdForm();
  auto* panel = Place<TPanel>(form.get(), "Panel1");
  panel->SetAlign(alTop);
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(4);
  panel->SetAlignment(taLeftJustify);
  auto* label = Place<TLabel>(panel, "Label1", 4, 4);
  label->SetAutoSize(false);
  label->SetAlignment(taCenter);
  label->SetWordWrap(true);
  label->SetLayout(tlCenter);
  label->Font()->SetStyle({fsBold});
  auto* edit = Place<TEdit>(form.get(), "Edit1", 8, 60);
  edit->SetMaxLength(10);
  edit->SetPasswordChar('*');
  edit->SetCharCase(ecUpperCase);
  label->SetFocusControl(edit);
  auto* memo = Place<TMemo>(form.get(), "Memo1", 8, 90);
  memo->Lines()->SetText("first\r\nsecond 'quoted'\r\n");
  memo->SetScrollBars(ssVertical);
  memo->SetWordWrap(false);
  auto* button = Place<TButton>(form.get(), "Button1", 200, 60);
  button->SetDefault(true);
  button->SetModalResult(mrOk);
  SetMethodProp(button, GetPropInfo(button, "OnClick"), {form->MethodAddress("ButtonClick"), form.get()});
  Place<TCheckBox>(form.get(), "CheckBox1", 200, 90)->SetState(cbChecked);
  auto* group = Place<TGroupBox>(form.get(), "GroupBox1", 200, 120);
  Place<TRadioButton>(group, "RadioButton1", 8, 16)->SetChecked(true);
  auto* list = Place<TListBox>(form.get(), "ListBox1", 8, 190);
  list->Items()->SetCommaText("one,two,three");
  list->SetMultiSelect(true);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  auto* combo = Place<TComboBox>(form.get(), "ComboBox1", 140, 190);
  combo->SetStyle(csDropDownList);
  combo->Items()->SetCommaText("red,green");
  combo->SetDropDownCount(4);
  auto* radios = Place<TRadioGroup>(form.get(), "RadioGroup1", 200, 230);
  radios->Items()->SetCommaText("a,b,c");
  radios->SetItemIndex(1);
  radios->SetColumns(2);
  Place<TBevel>(form.get(), "Bevel1")->SetShape(TBevelShape::bsTopLine);
  auto* splitter = Place<TSplitter>(form.get(), "Splitter1");
  splitter->SetMinSize(10);
  splitter->SetBeveled(false);
  TBitmap glyph;
  glyph.SetSize(32, 16);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(4, 4, 12, 12));
  auto* speed = Place<TSpeedButton>(form.get(), "SpeedButton1", 300, 8);
  speed->SetGlyph(&glyph);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  speed->SetFlat(true);
  auto* bitBtn = Place<TBitBtn>(form.get(), "BitBtn1", 300, 40);
  bitBtn->SetKind(bkCancel);
  bitBtn->SetLayout(blGlyphRight);
  auto* image = Place<TImage>(form.get(), "Image1", 300, 80);
  image->Picture()->SetBitmap(&glyph);
  image->SetStretch(true);

  const std::string written = WriteBinary(form.get());
  const std::string text = ObjectBinaryToText(written);
  EXPECT_NE(text.find("    State = cbChecked\r\n"), std::string::npos);
  EXPECT_NE(text.find("    Kind = bkCancel\r\n    Layout = blGlyphRight\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Caption = 'Cancel'"), std::string::npos);  // the kind's caption is not stored
  EXPECT_NE(text.find("    NumGlyphs = 2\r\n"), std::string::npos);  // from the glyph's shape
  EXPECT_NE(text.find("    Checked = True\r\n      TabOrder = 0\r\n      TabStop = True\r\n"), std::string::npos);
  EXPECT_EQ(ObjectTextToBinary(text), written);

  StdFormPtr copy = NewStdForm();
  ReadBinary(copy.get(), written);
  EXPECT_EQ(WriteBinary(copy.get()), written);
  auto* radiosCopy = static_cast<TRadioGroup*>(copy->FindComponent("RadioGroup1"));
  ASSERT_EQ(radiosCopy->ButtonCount(), 3);
  EXPECT_TRUE(radiosCopy->Buttons(1)->Checked());
  EXPECT_EQ(static_cast<TLabel*>(copy->FindComponent("Label1"))->FocusControl(), copy->FindComponent("Edit1"));
  EXPECT_EQ(static_cast<TMemo*>(copy->FindComponent("Memo1"))->Lines()->Strings(1), "second 'quoted'");
}

namespace {

// The sample form's component records under a bare test form, each kept as it is.
std::string SampleControls(const std::string& file) {
  const std::string all = SampleText(file);
  const size_t first = all.find("\r\n  object ");
  const size_t last = all.rfind("end\r\n");
  return "object Sample: TStdForm\r\n  Left = 0\r\n  Top = 0\r\n  Width = 400\r\n  Height = 300\r\n"
         "  Caption = 'Sample'\r\n  PixelsPerInch = 96\r\n  TextHeight = 13" +
         all.substr(first, last - first) + "end\r\n";
}

}  // namespace

TEST(StdCtrlsStreaming, SampleFormsComeBackByteForByte) {
  for (const char* file : {"01/CHECKID/CHECKIDF.DFM", "07/LISTDEMO/LISTFORM.DFM", "11/FIRE2/FIREFORM.DFM",
                           "13/DIALOG2/MAIN.DFM", "17/TWOVIEW3/RANGEDB.DFM", "19/PROPEDIT/ILPEFORM.DFM",
                           "23/XARROW/XARABOUT.DFM", "25/REGVIEW/REGFORM.DFM", "25/THSYNCH/CRITSEC.DFM",
                           "27/MYCUR/MYCURF.DFM", "31/BEEPS/BEEPSF.DFM"}) {
    SCOPED_TRACE(file);
    const std::string binary = ObjectTextToBinary(SampleControls(file));
    StdFormPtr form = NewStdForm();
    ReadBinary(form.get(), binary);
    EXPECT_EQ(ObjectBinaryToText(WriteBinary(form.get())), ObjectBinaryToText(binary));
    EXPECT_EQ(WriteBinary(form.get()), binary);
  }
}
