// Query and stored procedure parameters: the binary "ParamData" layout, its
// round trip through a form, bad data, and parameters made from SQL text.
#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/db/dataaccess.h"
#include "support/componenthost.h"
#include "support/formtext.h"

using namespace kcl;
using namespace korvax::test;

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

std::string BinaryOf(const TParams& params) {
  TStringStream stream;
  params.WriteBinaryData(stream);
  return stream.DataString();
}

void ReadParams(TParams& params, const std::string& bytes) {
  TStringStream stream(bytes);
  params.ReadBinaryData(stream);
}

}  // namespace

TEST(ParamData, HasTheVersionOneLayout) {
  TParams params;
  params.Add("Name", ptInput).SetAsString("Ab");
  params.Add("Any");
  TParam& number = params.Add("N", ptInputOutput);
  number.SetAsInteger(-2);
  EXPECT_EQ(BinaryOf(params), Bytes({1, 0, 3, 0,                                         // version, count
                                     4, 'N', 'a', 'm', 'e', ptInput, ftString, 3, 0,     // name, types, size
                                     'A', 'b', 0, 0, 1,                                  // value, null, bound
                                     3, 'A', 'n', 'y', ptUnknown, ftUnknown, 1, 0,       // no value
                                     1, 'N', ptInputOutput, ftInteger, 4, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 1}));
  TParams copy;
  ReadParams(copy, BinaryOf(params));
  EXPECT_TRUE(copy == params);
  EXPECT_EQ(copy.Items(0).AsString(), "Ab");
  EXPECT_EQ(copy.FindParam("n")->AsInteger(), -2);
}

TEST(ParamData, VersionTwoIsReadAndKept) {
  const std::string wide = Bytes({2, 0, 1, 0, 0, 0, 1, 0, 0, 0, 'X', ptOutput, ftSmallint, 2, 0, 0, 0, 7, 0, 0, 1});
  TParams params;
  ReadParams(params, wide);
  ASSERT_EQ(params.Count(), 1);
  EXPECT_EQ(params.Items(0).Name, "X");
  EXPECT_EQ(params.Items(0).ParamType, ptOutput);
  EXPECT_EQ(params.Items(0).AsInteger(), 7);
  EXPECT_EQ(BinaryOf(params), wide);
}

TEST(ParamData, MalformedDataIsAReadingError) {
  TParams params;
  params.Add("Kept");
  for (const std::string& bad : {Bytes({3, 0, 0, 0}),                                  // unknown version
                                 Bytes({1, 0, 1, 0, 5, 'A'}),                           // name cut short
                                 Bytes({1, 0, 1, 0, 1, 'A', 9, ftString}),              // no such parameter type
                                 Bytes({1, 0, 1, 0, 1, 'A', ptInput, 40}),              // no such data type
                                 Bytes({1, 0, 1, 0, 1, 'A', ptInput, ftString, 200, 0, 'x'}),  // value cut short
                                 Bytes({2, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}),     // huge name
                                 Bytes({1})}) {
    EXPECT_THROW(ReadParams(params, bad), EReadError);
    ASSERT_EQ(params.Count(), 1);  // unchanged by a failed read
    EXPECT_EQ(params.Items(0).Name, "Kept");
  }

  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  const std::string form = "object Host: TComponentHost\n  object Query1: TQuery\n    ParamData = {030000}\n  end\nend\n";
  EXPECT_THROW(ReadBinary(host.get(), ObjectTextToBinary(form)), EReadError);
}

TEST(ParamData, QueriesAndStoredProceduresStreamTheirParameters) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  auto* query = new TQuery(host.get());
  query->SetName("Query1");
  query->SQL()->SetText("select * from Customer where CustNo = :CustNo and Name like ':no' and Zip = :Zip");
  ASSERT_EQ(query->Params()->Count(), 2);
  query->Params()->FindParam("CUSTNO")->SetAsInteger(1221);
  query->SetSQLBinary("builder");
  auto* proc = new TStoredProc(host.get());
  proc->SetName("StoredProc1");
  proc->Params()->Add("Result", ptResult, ftInteger);

  const std::string binary = WriteBinary(host.get());
  const std::string text = ObjectBinaryToText(binary);
  // The query builder's data, then CustNo (an integer of 1221, bound) and Zip (no value).
  EXPECT_NE(text.find("    Data = {6275696C646572}\r\n"
                      "    ParamData = {0100020006437573744E6F00030400C50400000001035A697000000100}\r\n"),
            std::string::npos)
      << text;

  ComponentHostPtr copy = NewComponentHost();
  ReadBinary(copy.get(), binary);
  auto* queryCopy = static_cast<TQuery*>(copy->FindComponent("Query1"));
  EXPECT_TRUE(*queryCopy->Params() == *query->Params());
  EXPECT_EQ(queryCopy->Params()->Items(0).AsInteger(), 1221);
  EXPECT_EQ(static_cast<TStoredProc*>(copy->FindComponent("StoredProc1"))->Params()->Items(0).ParamType, ptResult);
  EXPECT_EQ(WriteBinary(copy.get()), binary);
}

TEST(ParamData, EditedSQLKeepsTheValuesOfParametersItStillNames) {
  ComponentHostPtr host = NewComponentHost();
  auto* query = new TQuery(host.get());
  query->SQL()->SetText("select * from T where A = :A and B = :B and C = :a");
  ASSERT_EQ(query->Params()->Count(), 2);
  query->Params()->FindParam("B")->SetAsString("kept");
  query->SQL()->SetText("select * from T where B = :B or D = :D or E = 'x::E' or F = \":F\"");
  ASSERT_EQ(query->Params()->Count(), 2);
  EXPECT_EQ(query->Params()->Items(0).AsString(), "kept");
  EXPECT_EQ(query->Params()->Items(1).Name, "D");

  query->SetParamCheck(false);
  query->SQL()->SetText("select :X from T");
  EXPECT_EQ(query->Params()->Count(), 2);  // left as they were
}

// A later version writes ParamData as a collection of items: kept as read and
// written back byte for byte until the parameters change. So is a Params.Data
// that an older form may hold.
TEST(ParamData, ALaterVersionsCollectionIsKeptAsRead) {
  RegisterDataAccess();
  const std::string text =
      "object Host: TComponentHost\r\n"
      "  object Query1: TQuery\r\n"
      "    SQL.Strings = (\r\n      'select * from Orders where OrderNo = :OrderNo')\r\n"
      "    Left = 8\r\n    Top = 8\r\n"
      "    ParamData = <\r\n"
      "      item\r\n        DataType = ftInteger\r\n        Name = 'OrderNo'\r\n        ParamType = ptInput\r\n"
      "        Value = 1003\r\n      end>\r\n"
      "  end\r\n"
      "  object StoredProc1: TStoredProc\r\n"
      "    StoredProcName = 'NEXT_ORDER'\r\n"
      "    Params.Data = {010001000149000304000000000000}\r\n"
      "    Left = 40\r\n    Top = 8\r\n"
      "  end\r\n"
      "end\r\n";
  const std::string binary = ObjectTextToBinary(text);
  ComponentHostPtr host = NewComponentHost();
  ReadBinary(host.get(), binary);
  auto* query = static_cast<TQuery*>(host->FindComponent("Query1"));
  EXPECT_EQ(query->Params()->Count(), 0);
  EXPECT_FALSE(query->Params()->LaterForm().empty());
  EXPECT_EQ(WriteBinary(host.get()), binary);
  EXPECT_EQ(WriteText(host.get()), text);

  query->SQL()->SetText("select * from Orders where CustNo = :CustNo");
  EXPECT_TRUE(query->Params()->LaterForm().empty());
  const std::string edited = WriteText(host.get());
  EXPECT_EQ(edited.find("ParamData = <"), std::string::npos);
  EXPECT_NE(edited.find("    ParamData = {0100010006437573744E6F00000100}\r\n"), std::string::npos) << edited;
}
