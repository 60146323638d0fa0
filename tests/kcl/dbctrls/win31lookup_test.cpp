// The older lookup controls: Delphi 3's published properties, what a freshly
// placed one writes, their settings through form files, how they look without
// data, and lookup sources that clash or go.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/dbctrls/datacontrols.h"
#include "kcl/graphics/qtcolor.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/proptypes.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string Inherited = "Name Tag Left Top Width Height Cursor Hint HelpContext ";
const std::string Lookup = "DataField DataSource LookupSource LookupDisplay LookupField Options ";
const std::string HostHeader = "object Host: TRecordRoot\r\n  Left = 0\r\n  Top = 0\r\n  Width = 0\r\n  Height = 0\r\n";

// The form's client area as it shows, and one pixel's colour in it.
QImage Shot(TForm* form) {
  QCoreApplication::processEvents();
  return form->ClientWidget()->grab().toImage();
}
bool IsColor(const QImage& shot, int x, int y, TColor color) {
  return shot.pixelColor(x, y).rgb() == ColorToQColor(color).rgb();
}

// How wide the list's columns are with the lines after them.
int ColumnsExtent(const TDBLookupList& list) {
  int sum = 0;
  for (int col = 0; col < list.ColCount(); ++col) sum += list.ColWidths(col) + list.GridLineWidth();
  return sum;
}

}  // namespace

TEST(Win31LookupStreaming, PublishedPropertiesAreDelphis) {
  RegisterDataControls();
  ExpectPublished(FindClass("TDBLookupList"),
                  Inherited + Lookup + "OnClick ReadOnly Align BorderStyle Color Ctl3D DragCursor DragMode Enabled "
                                       "Font ImeMode ImeName ParentColor ParentCtl3D ParentFont ParentShowHint "
                                       "PopupMenu ShowHint TabOrder TabStop Visible OnDblClick OnDragDrop OnDragOver "
                                       "OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDrag");
  ExpectPublished(FindClass("TDBLookupCombo"),
                  Inherited + Lookup + "Style AutoSelect Color Ctl3D DragCursor DragMode DropDownCount DropDownWidth "
                                       "Enabled Font ImeMode ImeName MaxLength ParentColor ParentCtl3D ParentFont "
                                       "ParentShowHint PopupMenu ReadOnly ShowHint TabOrder TabStop Visible OnChange "
                                       "OnClick OnDblClick OnDragDrop OnDragOver OnDropDown OnEndDrag OnEnter OnExit "
                                       "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDrag");
  EXPECT_EQ(FindClass("TDBLookupList")->ClassParent(), &TCustomGrid::StaticClass());
  EXPECT_EQ(FindClass("TDBLookupCombo")->ClassParent(), &TCustomEdit::StaticClass());

  const TTypeInfo* options = PropType("TDBLookupCombo", "Options");
  EXPECT_EQ(options->Name, "TDBLookupListOptions");
  EXPECT_EQ(PropType("TDBLookupList", "Options"), options);
  const TTypeInfo* option = GetTypeData(options)->CompType;
  EXPECT_EQ(option->Name, "TDBLookupListOption");
  EXPECT_EQ(GetTypeData(option)->MaxValue, 2);
  EXPECT_EQ(GetEnumName(option, loColLines), "loColLines");
  EXPECT_EQ(GetEnumName(option, loTitles), "loTitles");
  const TTypeInfo* style = PropType("TDBLookupCombo", "Style");
  EXPECT_EQ(style->Name, "TDBLookupComboStyle");
  EXPECT_EQ(GetEnumName(style, 1), "csDropDownList");
  EXPECT_EQ(PropType("TDBLookupList", "LookupSource")->Name, "TDataSource");
  EXPECT_EQ(PropType("TDBLookupCombo", "LookupDisplay")->Name, "string");
  EXPECT_EQ(PropType("TDBLookupCombo", "OnDropDown")->Name, "TNotifyEvent");
  EXPECT_EQ(GetPropInfo(FindClass("TDBLookupCombo"), "DropDownCount")->Default, 8);
  EXPECT_EQ(GetPropInfo(FindClass("TDBLookupList"), "Options")->Default, 0);
}

TEST(Win31LookupStreaming, FreshlyPlacedControlsWriteOnlyTheirPlace) {
  RecordRootPtr host = NewRecordRoot("Host");
  auto* list = Place<TDBLookupList>(host.get(), "DBLookupList1");
  auto* combo = Place<TDBLookupCombo>(host.get(), "DBLookupCombo1");
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(list->ColCount(), 1);
  // The combo's button is its own part, not a component of the form.
  EXPECT_EQ(WriteText(host.get()),
            HostHeader +
                "  object DBLookupList1: TDBLookupList\r\n    Left = 8\r\n    Top = 8\r\n    Width = 121\r\n"
                "    Height = 97\r\n    TabOrder = 0\r\n  end\r\n"
                "  object DBLookupCombo1: TDBLookupCombo\r\n    Left = 8\r\n    Top = 8\r\n    Width = 121\r\n"
                "    Height = 25\r\n    TabOrder = 1\r\n  end\r\nend\r\n");
}

TEST(Win31LookupStreaming, SettingsComeBackThroughBinaryAndText) {
  const std::string text =
      HostHeader +
      "  object Orders: TDataSource\r\n    Left = 16\r\n    Top = 8\r\n  end\r\n"
      "  object Customers: TDataSource\r\n    Left = 48\r\n    Top = 8\r\n  end\r\n"
      "  object CustList: TDBLookupList\r\n    Left = 8\r\n    Top = 40\r\n    Width = 200\r\n    Height = 120\r\n"
      "    DataField = 'CustNo'\r\n    DataSource = Orders\r\n    LookupSource = Customers\r\n"
      "    LookupDisplay = 'Company;City'\r\n    LookupField = 'CustNo'\r\n"
      "    Options = [loColLines, loRowLines, loTitles]\r\n    OnClick = CustListClick\r\n    ReadOnly = True\r\n"
      "    BorderStyle = bsNone\r\n    Color = clInfoBk\r\n    TabOrder = 0\r\n    TabStop = False\r\n"
      "    OnDblClick = CustListDblClick\r\n  end\r\n"
      "  object CustCombo: TDBLookupCombo\r\n    Left = 8\r\n    Top = 8\r\n    Width = 160\r\n    Height = 24\r\n"
      "    DataField = 'CustNo'\r\n    DataSource = Orders\r\n    LookupSource = Customers\r\n"
      "    LookupDisplay = 'Company'\r\n    LookupField = 'CustNo'\r\n    Options = [loTitles]\r\n"
      "    Style = csDropDownList\r\n    AutoSelect = False\r\n    DropDownCount = 12\r\n    DropDownWidth = 250\r\n"
      "    MaxLength = 30\r\n    ParentColor = True\r\n    ReadOnly = True\r\n    TabOrder = 1\r\n"
      "    OnChange = CustComboChange\r\n    OnDropDown = CustComboDropDown\r\n  end\r\nend\r\n";
  const std::string binary = ObjectTextToBinary(text);
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  ReadBinary(host.get(), binary);
  EXPECT_EQ(WriteText(host.get()), text);
  EXPECT_EQ(WriteBinary(host.get()), binary);

  auto* list = static_cast<TDBLookupList*>(host->FindComponent("CustList"));
  auto* combo = static_cast<TDBLookupCombo*>(host->FindComponent("CustCombo"));
  EXPECT_EQ(list->LookupSource(), host->FindComponent("Customers"));
  EXPECT_EQ(list->DisplayFields(), (std::vector<std::string>{"Company", "City"}));
  // A column per displayed field, a title row above the empty one.
  EXPECT_EQ(list->ColCount(), 2);
  EXPECT_EQ(list->FixedRows(), 1);
  EXPECT_EQ(list->RowCount(), 2);
  EXPECT_EQ(ColumnsExtent(*list), list->ClientRect().Width());
  EXPECT_EQ(combo->Style(), TDBLookupComboStyle::csDropDownList);
  EXPECT_TRUE(combo->ReadOnly());  // a drop-down list takes no typing
  EXPECT_EQ(combo->Options(), TDBLookupListOptions{loTitles});
}

TEST(Win31LookupLayout, TheListsColumnsShareItsWidth) {
  FormPtr form = NewForm();
  auto* list = Place<TDBLookupList>(form.get(), 8, 8);
  const auto filled = [list] { return ColumnsExtent(*list); };
  EXPECT_EQ(filled(), list->ClientRect().Width());
  list->SetLookupDisplay(" Company ; City;;Phone ");
  EXPECT_EQ(list->DisplayFields(), (std::vector<std::string>{"Company", "City", "Phone"}));
  EXPECT_EQ(list->ColCount(), 3);
  EXPECT_EQ(filled(), list->ClientRect().Width());
  list->SetBounds(8, 8, 250, 97);
  EXPECT_EQ(filled(), list->ClientRect().Width());
  list->SetOptions({loTitles});
  EXPECT_EQ(list->FixedRows(), 1);
  list->SetOptions({});
  EXPECT_EQ(list->FixedRows(), 0);
  // Too narrow for its columns, or for any: no column gets a negative width.
  list->SetBounds(8, 8, 1, 1);
  for (int col = 0; col < list->ColCount(); ++col) EXPECT_GE(list->ColWidths(col), 0);
  list->SetLookupDisplay("");
  EXPECT_EQ(list->ColCount(), 1);

  // A border read after the fields: the columns fill what it leaves once the record is read.
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  ReadBinary(host.get(), ObjectTextToBinary(HostHeader + "  object List: TDBLookupList\r\n    Width = 150\r\n"
                                                         "    LookupDisplay = 'Company;City'\r\n"
                                                         "    BorderStyle = bsNone\r\n  end\r\nend\r\n"));
  auto* read = static_cast<TDBLookupList*>(host->FindComponent("List"));
  EXPECT_EQ(ColumnsExtent(*read), read->ClientRect().Width());
}

TEST(Win31LookupLayout, WithoutDataTheyLookAsTheyWillRun) {
  FormPtr form = NewForm();
  form->SetDesigning(true);
  auto* list = Place<TDBLookupList>(form.get(), 8, 8);
  list->SetOptions({loTitles, loColLines});
  list->SetLookupDisplay("Company;City");
  auto* combo = Place<TDBLookupCombo>(form.get(), 200, 8);
  form->Show();
  QImage shot = Shot(form.get());

  // The list: a grey title row over white cells, a silver line between the columns.
  const int border = 2, row = list->Top() + border + list->RowHeights(0) + list->GridLineWidth() + 4;
  EXPECT_TRUE(IsColor(shot, list->Left() + 10, list->Top() + 6, clBtnFace));
  EXPECT_TRUE(IsColor(shot, list->Left() + 10, row, clWindow));
  EXPECT_TRUE(IsColor(shot, list->Left() + 10, list->Top() + list->Height() - 10, clWindow));
  EXPECT_TRUE(IsColor(shot, list->Left() + border + list->ColWidths(0), row, clSilver));

  // The combo: a white edit with a grey button at its right holding a black arrow.
  const TControl* button = combo->Button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Left() + button->Width(), combo->Width() - 2);
  EXPECT_TRUE(IsColor(shot, combo->Left() + 10, combo->Top() + combo->Height() / 2, clWindow));
  const int bx = combo->Left() + button->Left(), by = combo->Top() + button->Top();
  EXPECT_TRUE(IsColor(shot, bx + 3, by + 3, clBtnFace));
  const auto arrowPixels = [&](const QImage& image, TColor color) {  // inside the button's edges
    int count = 0;
    for (int y = by + 1; y < by + button->Height() - 1; ++y)
      for (int x = bx + 1; x < bx + button->Width() - 1; ++x) count += IsColor(image, x, y, color);
    return count;
  };
  EXPECT_GT(arrowPixels(shot, clBtnText), 3);
  combo->SetEnabled(false);
  shot = Shot(form.get());
  EXPECT_EQ(arrowPixels(shot, clBtnText), 0);
  EXPECT_GT(arrowPixels(shot, clGrayText), 3);
}

TEST(Win31Lookup, LookupSourcesThatClashOrGo) {
  FormPtr form = NewForm();
  FormPtr module = NewForm();
  auto* orders = new TDataSource(module.get());
  auto* customers = new TDataSource(module.get());
  auto* list = Place<TDBLookupList>(form.get(), 8, 8);
  auto* combo = Place<TDBLookupCombo>(form.get(), 8, 120);
  list->SetLookupSource(customers);
  combo->SetLookupSource(customers);
  list->SetDataSource(orders);
  combo->SetDataSource(orders);
  // A control cannot look its values up in the source it writes them to.
  EXPECT_THROW(list->SetDataSource(customers), EInvalidOperation);
  EXPECT_THROW(combo->SetLookupSource(orders), EInvalidOperation);
  EXPECT_EQ(list->DataSource(), orders);
  EXPECT_EQ(combo->LookupSource(), customers);

  module.reset();
  EXPECT_EQ(list->LookupSource(), nullptr);
  EXPECT_EQ(list->DataSource(), nullptr);
  EXPECT_EQ(combo->LookupSource(), nullptr);
  EXPECT_EQ(combo->DataSource(), nullptr);

  // A form that names one source for both is refused, and what was read stays whole.
  RegisterDataControls();
  RecordRootPtr host = NewRecordRoot("Host");
  EXPECT_THROW(ReadBinary(host.get(), ObjectTextToBinary(
                                          HostHeader + "  object Source: TDataSource\r\n  end\r\n"
                                                       "  object List: TDBLookupList\r\n    DataSource = Source\r\n"
                                                       "    LookupSource = Source\r\n  end\r\nend\r\n")),
               Exception);
  auto* read = static_cast<TDBLookupList*>(host->FindComponent("List"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->DataSource(), host->FindComponent("Source"));
  EXPECT_EQ(read->LookupSource(), nullptr);
}
