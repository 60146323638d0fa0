// Data sets and data sources without an engine: opening and closing, the links
// between components, and the rules their properties keep.
#include <gtest/gtest.h>

#include <vector>

#include "kcl/db/dataaccess.h"
#include "support/componenthost.h"

using namespace kcl;
using namespace korvax::test;

TEST(DataSets, OpeningTellsTheEventsAndTheEnabledSources) {
  ComponentHostPtr host = NewComponentHost();
  auto* table = new TTable(host.get());
  auto* source = new TDataSource(host.get());
  std::vector<std::string> log;
  table->BeforeOpen.SetHandler([&](TDataSet*) { log.push_back("before open"); });
  table->AfterOpen.SetHandler([&](TDataSet*) { log.push_back("after open"); });
  table->AfterClose.SetHandler([&](TDataSet*) { log.push_back("after close"); });
  source->OnStateChange.SetHandler([&](TObject*) { log.push_back(source->IsActive() ? "active" : "inactive"); });
  source->SetDataSet(table);
  EXPECT_TRUE(log.empty());  // linked to a closed data set: nothing changed
  table->Open();
  source->SetEnabled(false);
  source->SetEnabled(true);
  table->Close();
  EXPECT_EQ(log, (std::vector<std::string>{"before open", "active", "after open", "inactive", "active", "inactive",
                                           "after close"}));
}

TEST(DataSets, ReferencesToComponentsThatGoAreCleared) {
  ComponentHostPtr host = NewComponentHost();
  auto* table = new TTable(host.get());
  auto* detail = new TTable(host.get());
  auto* source = new TDataSource(host.get());
  auto* move = new TBatchMove(host.get());
  auto* update = new TUpdateSQL(host.get());
  source->SetDataSet(table);
  detail->SetMasterSource(source);
  detail->SetUpdateObject(update);
  move->SetSource(table);
  move->SetDestination(detail);
  EXPECT_THROW(table->SetMasterSource(source), EDatabaseError);  // would lead back to itself

  // A data module elsewhere: its components are forgotten when they go too.
  ComponentHostPtr module = NewComponentHost();
  auto* database = new TDatabase(module.get());
  auto* alerter = new TIBEventAlerter(host.get());
  alerter->SetDatabase(database);
  database->Free();
  EXPECT_EQ(alerter->Database(), nullptr);

  update->Free();
  EXPECT_EQ(detail->UpdateObject(), nullptr);
  table->Free();
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(move->Source(), nullptr);
  source->Free();
  EXPECT_EQ(detail->MasterSource(), nullptr);
  detail->Free();
  EXPECT_EQ(move->Destination(), nullptr);
}

TEST(DataSets, PropertiesThatExcludeEachOther) {
  ComponentHostPtr host = NewComponentHost();
  auto* table = new TTable(host.get());
  table->SetIndexName("ByCompany");
  table->SetIndexFieldNames("Company;City");
  EXPECT_EQ(table->IndexName(), "");
  table->SetIndexName("ByCity");
  EXPECT_EQ(table->IndexFieldNames(), "");
  EXPECT_EQ(table->IndexName(), "ByCity");

  auto* database = new TDatabase(host.get());
  database->SetAliasName("DBDEMOS");
  database->SetDriverName("INTRBASE");
  EXPECT_EQ(database->AliasName(), "");

  auto* field = new TStringField(host.get());
  field->SetFieldName("Name");
  field->SetDisplayLabel("Name");  // the field name is the label already
  EXPECT_FALSE(field->IsDisplayLabelStored());
  field->SetLookup(true);
  field->SetCalculated(false);  // not what it is: no change
  EXPECT_EQ(field->FieldKind(), fkLookup);
  EXPECT_THROW(static_cast<TBlobField*>(new TBlobField(host.get()))->SetBlobType(ftString), EPropertyError);
}
