#include "kcl/db/report.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TReport) {
  using T = TReport;
  cls.property("ReportName", &T::ReportName, &T::SetReportName);
  cls.property("ReportDir", &T::ReportDir, &T::SetReportDir);
  cls.property("PrintCopies", &T::PrintCopies, &T::SetPrintCopies).Default(1);
  cls.property("StartPage", &T::StartPage, &T::SetStartPage).Default(1);
  cls.property("EndPage", &T::EndPage, &T::SetEndPage).Default(9999);
  cls.property("MaxRecords", &T::MaxRecords, &T::SetMaxRecords).Default(0);
  cls.property("AutoUnload", &T::AutoUnload, &T::SetAutoUnload).Default(false);
  cls.property("InitialValues", &T::InitialValues, &T::SetInitialValues);
  cls.property("Preview", &T::Preview, &T::SetPreview).Default(false);
  cls.property("Collate", &T::Collate, &T::SetCollate).Default(false);
}

}  // namespace kcl
