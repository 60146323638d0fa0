// Fields as form files hold them: the children of their data set, and the
// components of the form that owns them.
#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/db/dataaccess.h"
#include "support/componenthost.h"
#include "support/formtext.h"

using namespace kcl;
using namespace korvax::test;

TEST(DataAccessStreaming, FieldsAreTheDataSetsChildrenAndTheFormsComponents) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  ReadBinary(host.get(), ObjectTextToBinary("object Host: TComponentHost\n"
                                            "  object Table1: TTable\n"
                                            "    object Table1Population: TFloatField\n"
                                            "      Calculated = True\n"
                                            "      FieldName = 'Population'\n"
                                            "      Precision = 2\n"
                                            "    end\n"
                                            "    object Table1Zip: TStringField\n"
                                            "      DisplayWidth = 10\n"
                                            "      FieldName = 'Zip'\n"
                                            "      Size = 10\n"
                                            "      AttributeSet = 'ZipCode'\n"
                                            "    end\n"
                                            "  end\n"
                                            "end\n"));
  auto* table = static_cast<TTable*>(host->FindComponent("Table1"));
  ASSERT_EQ(table->FieldCount(), 2);
  TField* population = table->Fields(0);
  EXPECT_EQ(population->Owner(), host.get());
  EXPECT_EQ(population->DataSet(), table);
  EXPECT_EQ(population->FieldKind(), fkCalculated);
  EXPECT_EQ(table->FindField("ZIP")->AttributeSet(), "ZipCode");
  EXPECT_EQ(table->FindField("zip")->Index(), 1);

  // Fields go with their data set; the data set hears of a field that goes.
  host->FindComponent("Table1Zip")->Free();
  EXPECT_EQ(table->FieldCount(), 1);
  table->Free();
  EXPECT_EQ(host->FindComponent("Table1Population"), nullptr);
  EXPECT_EQ(host->ComponentCount(), 0);
}

// A field's display width is written when it was given, even as wide as its
// size would make it, and not otherwise.
TEST(DataAccessStreaming, FieldsWriteTheDisplayWidthOnlyWhenItWasGiven) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  const std::string text = "object Host: TComponentHost\n"
                           "  object Table1: TTable\n"
                           "    object Table1Zip: TStringField\n"
                           "      DisplayWidth = 10\n"
                           "      FieldName = 'Zip'\n"
                           "      Size = 10\n"
                           "    end\n"
                           "    object Table1City: TStringField\n"
                           "      FieldName = 'City'\n"
                           "      Size = 30\n"
                           "    end\n"
                           "  end\n"
                           "end\n";
  ReadText(host.get(), text);
  EXPECT_EQ(WriteTextLf(host.get()), text);
  auto* city = static_cast<TField*>(host->FindComponent("Table1City"));
  EXPECT_EQ(city->DisplayWidth(), 30);
  city->SetDisplayWidth(12);
  EXPECT_NE(WriteTextLf(host.get()).find("      DisplayWidth = 12\n      FieldName = 'City'\n"), std::string::npos);
}

// A field of a class the program does not have stays among its data set's
// children, where it was read.
TEST(DataAccessStreaming, FieldsOfUnknownClassesAreWrittenBackInTheirDataSet) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  const std::string binary = ObjectTextToBinary(
      "object Host: TComponentHost\n  object Table1: TTable\n    object Table1A: TStringField\n"
      "      FieldName = 'A'\n    end\n    object Table1X: TIBStringField\n      Origin = 'X'\n    end\n"
      "    object Table1B: TStringField\n      FieldName = 'B'\n    end\n  end\nend\n");
  ReadBinary(host.get(), binary);
  EXPECT_EQ(host->FindComponent("Table1X")->ClassName(), "TIBStringField");
  EXPECT_EQ(static_cast<TTable*>(host->FindComponent("Table1"))->FieldCount(), 2);
  EXPECT_EQ(WriteBinary(host.get()), binary);
}

TEST(DataAccessStreaming, BadFieldRecordsAreReadingErrors) {
  RegisterDataAccess();
  ComponentHostPtr other = NewComponentHost();
  EXPECT_THROW(ReadBinary(other.get(), ObjectTextToBinary("object Host: TComponentHost\n"
                                                          "  object Orphan: TStringField\n  end\nend\n")),
               EReadError);
  EXPECT_EQ(other->FindComponent("Orphan"), nullptr);
  ComponentHostPtr third = NewComponentHost();
  EXPECT_THROW(ReadBinary(third.get(), ObjectTextToBinary("object Host: TComponentHost\n  object Table1: TTable\n"
                                                          "    object Table1B: TBlobField\n"
                                                          "      BlobType = ftString\n    end\n  end\nend\n")),
               EReadError);
}
