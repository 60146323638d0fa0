// The ReportSmith report component as form files see it: Delphi 3's published
// properties, what a freshly placed one writes, and its settings through form
// files, whatever numbers a file holds.
#include <gtest/gtest.h>

#include "dbhost.h"
#include "formtext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/db/dataaccess.h"

using namespace kcl;
using namespace dbtest;

namespace {

const TTypeInfo* PropType(const char* prop) { return GetPropInfo(FindClass("TReport"), prop)->PropType; }

// The host's text read in, and the host that read it.
std::string RoundTrip(const std::string& text, DbHostPtr& host) {
  host = NewHost();
  ReadBinary(host.get(), ObjectTextToBinary(text));
  return WriteText(host.get());
}

}  // namespace

TEST(ReportStreaming, PublishedPropertiesAreDelphis) {
  RegisterDataAccess();
  ExpectPublished(FindClass("TReport"), "Name Tag ReportName ReportDir PrintCopies StartPage EndPage MaxRecords "
                                        "AutoUnload InitialValues Preview Collate");
  EXPECT_EQ(FindClass("TReport")->ClassParent(), &TComponent::StaticClass());
  EXPECT_EQ(PropType("ReportName")->Name, "string");
  EXPECT_EQ(PropType("ReportDir")->Name, "string");
  for (const char* word : {"PrintCopies", "StartPage", "EndPage", "MaxRecords"}) {
    SCOPED_TRACE(word);
    EXPECT_EQ(PropType(word)->Name, "Word");
  }
  EXPECT_EQ(PropType("InitialValues")->Name, "TStrings");
  EXPECT_EQ(PropType("Collate")->Name, "Boolean");
  EXPECT_EQ(GetPropInfo(FindClass("TReport"), "EndPage")->Default, 9999);
  EXPECT_EQ(GetPropInfo(FindClass("TReport"), "PrintCopies")->Default, 1);
}

TEST(ReportStreaming, AFreshReportWritesOnlyItsPlaceAndSettingsComeBack) {
  DbHostPtr host = NewHost();
  auto* report = new TReport(host.get());
  report->SetName("Report1");
  report->SetDesignInfo(8 << 16 | 16);
  EXPECT_EQ(report->EndPage(), 9999);
  EXPECT_EQ(WriteText(host.get()),
            "object Host: TDbHost\r\n  object Report1: TReport\r\n    Left = 16\r\n    Top = 8\r\n  end\r\nend\r\n");

  // Every setting away from its default, the last page 0 among them.
  const std::string text =
      "object Host: TDbHost\r\n  object Invoices: TReport\r\n"
      "    ReportName = 'INVOICE.RPT'\r\n    ReportDir = 'C:\\LEDGER\\REPORTS'\r\n    PrintCopies = 3\r\n"
      "    StartPage = 2\r\n    EndPage = 0\r\n    MaxRecords = 65535\r\n    AutoUnload = True\r\n"
      "    InitialValues.Strings = (\r\n      'Customer=1351'\r\n      'From=01/01/97')\r\n"
      "    Preview = True\r\n    Collate = True\r\n    Left = 16\r\n    Top = 8\r\n  end\r\nend\r\n";
  DbHostPtr copy;
  EXPECT_EQ(RoundTrip(text, copy), text);
  EXPECT_EQ(WriteBinary(copy.get()), ObjectTextToBinary(text));
  auto* invoices = static_cast<TReport*>(copy->FindComponent("Invoices"));
  EXPECT_EQ(invoices->ReportDir(), "C:\\LEDGER\\REPORTS");
  EXPECT_EQ(invoices->EndPage(), 0);
  EXPECT_EQ(invoices->MaxRecords(), 65535);
  EXPECT_EQ(invoices->InitialValues()->Values("From"), "01/01/97");
}

TEST(ReportStreaming, NumbersBeyondAWordLoadAsAWordHoldsThem) {
  DbHostPtr host;
  const std::string written = RoundTrip(
      "object Host: TDbHost\n  object Report1: TReport\n    PrintCopies = -1\n    EndPage = 70000\n  end\nend\n",
      host);
  auto* report = static_cast<TReport*>(host->FindComponent("Report1"));
  EXPECT_EQ(report->PrintCopies(), 65535);
  EXPECT_EQ(report->EndPage(), 70000 - 65536);
  EXPECT_NE(written.find("    EndPage = 4464\r\n"), std::string::npos) << written;
}
