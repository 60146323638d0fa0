// Data-aware controls let go of a data source that goes.
#include <gtest/gtest.h>

#include "kcl/db/dataaccess.h"
#include "kcl/dbctrls/datacontrols.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;
using korvax::test::NewForm;
using korvax::test::Place;

TEST(DataControls, ADataSourceThatGoesIsForgotten) {
  FormPtr form = NewForm();
  FormPtr module = NewForm();
  auto* source = new TDataSource(module.get());
  auto* edit = Place<TDBEdit>(form.get(), 8, 8);
  auto* lookup = Place<TDBLookupComboBox>(form.get(), 8, 40);
  edit->SetDataSource(source);
  lookup->SetListSource(source);
  EXPECT_THROW(lookup->SetDataSource(source), EDatabaseError);  // its own list
  auto* table = new TTable(module.get());
  auto* field = new TStringField(module.get());
  field->SetFieldName("Name");
  field->SetDataSet(table);
  source->SetDataSet(table);
  edit->SetDataField("NAME");
  EXPECT_EQ(edit->Field(), field);
  module.reset();
  EXPECT_EQ(edit->DataSource(), nullptr);
  EXPECT_EQ(lookup->ListSource(), nullptr);
  EXPECT_EQ(edit->Field(), nullptr);
}
