// The ReportSmith report component as form files see it: Delphi 3's published
// properties, what a freshly placed one writes, and its settings through form
// files, whatever numbers a file holds.
#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/typinfo.h"
#include "kcl/db/dataaccess.h"
#include "support/componenthost.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/proptypes.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const TTypeInfo* PropType(const char* prop) { return korvax::test::PropType("TReport", prop); }

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
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  auto* report = new TReport(host.get());
  report->SetName("Report1");
  report->SetDesignInfo(8 << 16 | 16);
  EXPECT_EQ(report->EndPage(), 9999);
  EXPECT_EQ(WriteText(host.get()),
            "object Host: TComponentHost\r\n  object Report1: TReport\r\n    Left = 16\r\n    Top = 8\r\n  end\r\nend\r\n");

  // Every setting away from its default, the last page 0 among them.
  const std::string text =
      "object Host: TComponentHost\r\n  object Invoices: TReport\r\n"
      "    ReportName = 'INVOICE.RPT'\r\n    ReportDir = 'C:\\LEDGER\\REPORTS'\r\n    PrintCopies = 3\r\n"
      "    StartPage = 2\r\n    EndPage = 0\r\n    MaxRecords = 65535\r\n    AutoUnload = True\r\n"
      "    InitialValues.Strings = (\r\n      'Customer=1351'\r\n      'From=01/01/97')\r\n"
      "    Preview = True\r\n    Collate = True\r\n    Left = 16\r\n    Top = 8\r\n  end\r\nend\r\n";
  ComponentHostPtr copy = NewComponentHost();
  EXPECT_EQ(TextRoundTrip(copy.get(), text), text);
  EXPECT_EQ(WriteBinary(copy.get()), ObjectTextToBinary(text));
  auto* invoices = static_cast<TReport*>(copy->FindComponent("Invoices"));
  EXPECT_EQ(invoices->ReportDir(), "C:\\LEDGER\\REPORTS");
  EXPECT_EQ(invoices->EndPage(), 0);
  EXPECT_EQ(invoices->MaxRecords(), 65535);
  EXPECT_EQ(invoices->InitialValues()->Values("From"), "01/01/97");
}

TEST(ReportStreaming, NumbersBeyondAWordLoadAsAWordHoldsThem) {
  RegisterDataAccess();
  ComponentHostPtr host = NewComponentHost();
  const std::string written = TextRoundTrip(
      host.get(),
      "object Host: TComponentHost\n  object Report1: TReport\n    PrintCopies = -1\n    EndPage = 70000\n  end\nend\n");
  auto* report = static_cast<TReport*>(host->FindComponent("Report1"));
  EXPECT_EQ(report->PrintCopies(), 65535);
  EXPECT_EQ(report->EndPage(), 70000 - 65536);
  EXPECT_NE(written.find("    EndPage = 4464\r\n"), std::string::npos) << written;
}
