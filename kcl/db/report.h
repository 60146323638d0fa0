#pragma once
// TReport: runs a ReportSmith report. Forms keep only its settings: the report
// file, the pages and copies to print, and the values its variables start with.
#include <cstdint>
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"

namespace kcl {

class TReport : public TComponent {
  KCL_CLASS(TReport, TComponent)
public:
  explicit TReport(TComponent* owner) : TComponent(owner) {}

  std::string ReportName() const { return FReportName; }
  void SetReportName(const std::string& v) { FReportName = v; }
  std::string ReportDir() const { return FReportDir; }
  void SetReportDir(const std::string& v) { FReportDir = v; }
  uint16_t PrintCopies() const { return FPrintCopies; }
  void SetPrintCopies(uint16_t v) { FPrintCopies = v; }
  uint16_t StartPage() const { return FStartPage; }
  void SetStartPage(uint16_t v) { FStartPage = v; }
  uint16_t EndPage() const { return FEndPage; }
  void SetEndPage(uint16_t v) { FEndPage = v; }
  // 0: every record.
  uint16_t MaxRecords() const { return FMaxRecords; }
  void SetMaxRecords(uint16_t v) { FMaxRecords = v; }
  // Whether ReportSmith closes once the report has run.
  bool AutoUnload() const { return FAutoUnload; }
  void SetAutoUnload(bool v) { FAutoUnload = v; }
  // "Name=value" lines for the report's variables.
  TStrings* InitialValues() const { return FInitialValues.get(); }
  void SetInitialValues(TStrings* v) { FInitialValues->Assign(v); }
  bool Preview() const { return FPreview; }
  void SetPreview(bool v) { FPreview = v; }
  bool Collate() const { return FCollate; }
  void SetCollate(bool v) { FCollate = v; }

private:
  std::string FReportName, FReportDir;
  uint16_t FPrintCopies = 1;
  uint16_t FStartPage = 1;
  uint16_t FEndPage = 9999;
  uint16_t FMaxRecords = 0;
  bool FAutoUnload = false;
  std::unique_ptr<TStringList> FInitialValues = std::make_unique<TStringList>();
  bool FPreview = false;
  bool FCollate = false;
};

}  // namespace kcl
