// The data-access components as form files see them: Delphi 3's published
// properties in declaration order, what a freshly placed component writes, and
// every record of the sample forms written back byte for byte.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/db/dataaccess.h"
#include "support/componenthost.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/proptypes.h"
#include "support/samplefiles.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string DataSetEvents =
    "BeforeOpen AfterOpen BeforeClose AfterClose BeforeInsert AfterInsert BeforeEdit AfterEdit BeforePost AfterPost "
    "BeforeCancel AfterCancel BeforeDelete AfterDelete BeforeScroll AfterScroll OnCalcFields OnDeleteError "
    "OnEditError OnFilterRecord OnNewRecord OnPostError ";
const std::string DBDataSet = "Active AutoCalcFields CachedUpdates Filter Filtered FilterOptions " + DataSetEvents +
                              "OnServerYield OnUpdateError OnUpdateRecord DatabaseName SessionName ";
const std::string Field =
    "Alignment Calculated CustomConstraint ConstraintErrorMessage DefaultExpression DisplayLabel DisplayWidth "
    "FieldKind FieldName HasConstraints Index ImportedConstraint Lookup LookupDataSet LookupKeyFields "
    "LookupResultField KeyFields LookupCache Origin ReadOnly Required Visible OnChange OnGetText OnSetText "
    "OnValidate ";

// Delphi 3's published properties of each class in declaration order, after Name and Tag.
const std::map<std::string, std::string> DeclaredOrder = {
    {"TDataSource", "AutoEdit DataSet Enabled OnStateChange OnDataChange OnUpdateData"},
    {"TTable", DBDataSet + "Exclusive IndexFieldNames IndexFiles IndexName MasterFields MasterSource ReadOnly "
                           "TableName TableType UpdateMode UpdateObject"},
    {"TQuery", DBDataSet + "Constrained DataSource ParamCheck RequestLive SQL Params UniDirectional UpdateMode "
                           "UpdateObject"},
    {"TStoredProc", DBDataSet + "StoredProcName Overload Params ParamBindMode UpdateObject"},
    {"TDatabase", "AliasName Connected DatabaseName DriverName HandleShared KeepConnection LoginPrompt Params "
                  "SessionName TransIsolation OnLogin"},
    {"TSession", "Active AutoSessionName KeepConnections NetFileDir PrivateDir SessionName SQLHourGlass OnPassword "
                 "OnStartup"},
    {"TBatchMove", "AbortOnKeyViol AbortOnProblem ChangedTableName CommitCount Destination KeyViolTableName "
                   "Mappings Mode ProblemTableName RecordCount Source Transliterate"},
    {"TUpdateSQL", "ModifySQL InsertSQL DeleteSQL"},
    {"TIBEventAlerter", "Database Events Registered OnEventAlert"},
    {"TStringField", Field + "EditMask Size Transliterate"},
    {"TIntegerField", Field + "DisplayFormat EditFormat MaxValue MinValue"},
    {"TSmallintField", Field + "DisplayFormat EditFormat MaxValue MinValue"},
    {"TAutoIncField", Field + "DisplayFormat EditFormat MaxValue MinValue"},
    {"TFloatField", Field + "DisplayFormat EditFormat Currency MaxValue MinValue Precision"},
    {"TCurrencyField", Field + "DisplayFormat EditFormat Currency MaxValue MinValue Precision"},
    {"TBCDField", Field + "DisplayFormat EditFormat Currency MaxValue MinValue Size"},
    {"TBooleanField", Field + "DisplayValues"},
    {"TDateTimeField", Field + "DisplayFormat EditMask"},
    {"TTimeField", Field + "DisplayFormat EditMask"},
    {"TBytesField", Field + "Size"},
    {"TBlobField", Field + "BlobType Size"},
    {"TMemoField", Field + "BlobType Size Transliterate"},
    {"TGraphicField", Field + "BlobType Size"},
};

std::set<std::string> FieldClasses() {
  std::set<std::string> names;
  for (const auto& [name, order] : DeclaredOrder)
    if (name.ends_with("Field")) names.insert(name);
  return names;
}

}  // namespace

TEST(DataAccessStreaming, PublishedPropertiesAreDelphis) {
  RegisterDataAccess();
  for (const auto& [name, order] : DeclaredOrder) {
    SCOPED_TRACE(name);
    ExpectPublished(FindClass(name), "Name Tag " + order);
  }
  EXPECT_EQ(PropType("TTable", "TableName")->Name, "TFileName");
  EXPECT_EQ(PropType("TTable", "MasterSource")->Name, "TDataSource");
  EXPECT_EQ(PropType("TTable", "UpdateObject")->Name, "TDataSetUpdateObject");
  EXPECT_EQ(PropType("TTable", "FilterOptions")->Name, "TFilterOptions");
  EXPECT_EQ(GetEnumName(PropType("TTable", "TableType"), 3), "ttASCII");
  EXPECT_EQ(GetEnumName(PropType("TBatchMove", "Mode"), 4), "batCopy");
  EXPECT_EQ(PropType("TBatchMove", "Source")->Name, "TBDEDataSet");
  EXPECT_EQ(PropType("TBatchMove", "Destination")->Name, "TTable");
  EXPECT_EQ(PropType("TBatchMove", "RecordCount")->Name, "Longint");
  EXPECT_EQ(PropType("TQuery", "Params")->Name, "TParams");
  EXPECT_EQ(PropType("TStoredProc", "Overload")->Name, "Word");
  EXPECT_EQ(GetEnumName(PropType("TDatabase", "TransIsolation"), 2), "tiRepeatableRead");
  EXPECT_EQ(PropType("TIntegerField", "MaxValue")->Name, "Longint");
  EXPECT_EQ(PropType("TFloatField", "MaxValue")->Name, "Double");
  EXPECT_EQ(PropType("TBCDField", "MaxValue")->Name, "Currency");
  const TTypeInfo* blobType = PropType("TBlobField", "BlobType");
  EXPECT_EQ(blobType->Name, "TBlobType");
  EXPECT_EQ(GetTypeData(blobType)->MinValue, ftBlob);
  EXPECT_EQ(GetTypeData(blobType)->MaxValue, ftTypedBinary);
  EXPECT_EQ(GetEnumName(blobType, ftTypedBinary), "ftTypedBinary");

  EXPECT_EQ(PropType("TTable", "AfterOpen")->Name, "TDataSetNotifyEvent");
  EXPECT_EQ(ParamList(PropType("TTable", "AfterOpen")), "DataSet: TDataSet; ");
  EXPECT_EQ(ParamList(PropType("TTable", "OnPostError")),
            "DataSet: TDataSet; E: EDatabaseError; var Action: TDataAction; ");
  EXPECT_EQ(ParamList(PropType("TTable", "OnFilterRecord")), "DataSet: TDataSet; var Accept: Boolean; ");
  EXPECT_EQ(ParamList(PropType("TQuery", "OnUpdateError")),
            "DataSet: TDataSet; E: EDatabaseError; UpdateKind: TUpdateKind; var UpdateAction: TUpdateAction; ");
  EXPECT_EQ(ParamList(PropType("TDataSource", "OnDataChange")), "Sender: TObject; Field: TField; ");
  EXPECT_EQ(ParamList(PropType("TStringField", "OnGetText")),
            "Sender: TField; var Text: string; DisplayText: Boolean; ");
  EXPECT_EQ(ParamList(PropType("TStringField", "OnSetText")), "Sender: TField; const Text: string; ");
  EXPECT_EQ(ParamList(PropType("TDatabase", "OnLogin")), "Database: TDatabase; LoginParams: TStrings; ");
  EXPECT_EQ(ParamList(PropType("TSession", "OnPassword")), "Sender: TObject; var Continue: Boolean; ");
  EXPECT_EQ(ParamList(PropType("TIBEventAlerter", "OnEventAlert")),
            "Sender: TObject; EventName: string; EventCount: Longint; var CancelAlerts: Boolean; ");
}

TEST(DataAccessStreaming, FreshlyPlacedComponentsWriteOnlyTheirPlace) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  for (const char* name : {"TDataSource", "TTable", "TQuery", "TStoredProc", "TDatabase", "TSession", "TBatchMove",
                           "TUpdateSQL", "TIBEventAlerter"}) {
    auto* component = static_cast<TComponent*>(FindClass(name)->NewInstance(host.get()));
    component->SetName(std::string(name).substr(1) + "1");
    component->SetDesignInfo(8 << 16 | 16);
  }
  auto* table = static_cast<TTable*>(host->FindComponent("Table1"));
  auto* field = new TStringField(host.get());
  field->SetName("Table1Name");
  field->SetFieldName("Name");
  field->SetDataSet(table);
  auto* amount = new TCurrencyField(host.get());
  amount->SetName("Table1Amount");
  amount->SetFieldName("Amount");
  amount->SetDataSet(table);

  std::string expected = "object Host: TComponentHost\r\n";
  for (const char* name : {"DataSource1: TDataSource", "Table1: TTable", "Query1: TQuery",
                           "StoredProc1: TStoredProc", "Database1: TDatabase", "Session1: TSession",
                           "BatchMove1: TBatchMove", "UpdateSQL1: TUpdateSQL", "IBEventAlerter1: TIBEventAlerter"}) {
    expected += std::string("  object ") + name + "\r\n    Left = 16\r\n    Top = 8\r\n";
    if (std::string(name).starts_with("Table1"))
      expected +=
          "    object Table1Name: TStringField\r\n      FieldName = 'Name'\r\n    end\r\n"
          "    object Table1Amount: TCurrencyField\r\n      FieldName = 'Amount'\r\n    end\r\n";
    expected += "  end\r\n";
  }
  EXPECT_EQ(WriteText(host.get()), expected + "end\r\n");
  EXPECT_EQ(field->DisplayWidth(), 20);  // the size's
  EXPECT_EQ(amount->Alignment(), taRightJustify);
  EXPECT_TRUE(amount->Currency());
}

TEST(DataAccessStreaming, SampleRecordsComeBackByteForByte) {
  RegisterDataAccess();
  const std::set<std::string> classes = {"TTable", "TQuery", "TStoredProc", "TDatabase", "TSession", "TBatchMove",
                                         "TUpdateSQL", "TDataSource", "TIBEventAlerter"};
  int files = 0, records = 0, fields = 0;
  for (const std::string& file : SampleFiles()) {
    const std::vector<std::string> found = RecordsOf(SampleText(file), classes);
    if (found.empty()) continue;
    SCOPED_TRACE(file);
    ++files;
    std::string text = "object Host: TComponentHost\r\n";
    for (const std::string& record : found) text += record;
    records += static_cast<int>(found.size());
    fields += static_cast<int>(RecordsOf(text, FieldClasses(), 2).size());
    text += "end\r\n";
    const std::string binary = ObjectTextToBinary(text);
    ComponentHostPtr host = NewComponentHost();
    ReadBinary(host.get(), binary);
    EXPECT_EQ(WriteText(host.get()), ObjectBinaryToText(binary));
    EXPECT_EQ(WriteBinary(host.get()), binary);
  }
  // The samples hold tables, queries, a database, a batch move, data sources and
  // the fields of six classes.
  EXPECT_EQ(files, 13);
  EXPECT_EQ(records, 29);
  EXPECT_EQ(fields, 64);
}
