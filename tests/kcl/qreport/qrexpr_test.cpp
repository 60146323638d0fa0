// An expression shows itself on the band and, sizing itself, takes the size of
// its text; rich texts show their lines or what they stand for.
#include "kcl/qreport/qrexpr.h"

#include <gtest/gtest.h>

#include "kcl/qreport/qrrichtext.h"
#include "kcl/qreport/quickrep.h"
#include "kcl/qreport/quickreport.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(QRExpr, ShowsItsExpressionSizedToItsText) {
  FormPtr form = NewForm(600, 300);
  form->SetDesigning(true);
  auto* band = Place<TQRBand>(form.get(), 0, 0, 600, 100);
  auto* expr = Place<TQRExpr>(band, "QRExpr1", 10, 10);
  EXPECT_EQ(expr->DisplayText(), "QRExpr1");
  const int nameWidth = expr->Width();
  expr->SetExpression("SUM(Orders.AmountPaid) + Orders.Freight");
  EXPECT_EQ(expr->DisplayText(), "SUM(Orders.AmountPaid) + Orders.Freight");
  EXPECT_GT(expr->Width(), 2 * nameWidth);
  expr->SetAutoSize(false);
  expr->SetExpression("COUNT");
  EXPECT_GT(expr->Width(), 2 * nameWidth);
  expr->SetMask("#,##0.00");
  EXPECT_EQ(expr->Mask(), "#,##0.00");
}

TEST(QRExpr, ItsMasterIsTheReportOrABandAndForgottenWhenItGoes) {
  FormPtr form = NewForm();
  auto* report = Place<TQuickRep>(form.get(), 0, 0);
  auto* band = Place<TQRBand>(report, 0, 0, 400, 40);
  auto* expr = Place<TQRExpr>(band, 10, 10);
  expr->SetMaster(expr);
  EXPECT_EQ(expr->Master(), nullptr);
  expr->SetMaster(report);
  EXPECT_EQ(expr->Master(), report);
  auto* other = Place<TQuickRep>(form.get(), 0, 0);
  expr->SetMaster(other);
  other->Free();
  EXPECT_EQ(expr->Master(), nullptr);
}

TEST(QRRichText, ShowsItsLinesOrWhatItStandsFor) {
  FormPtr form = NewForm();
  form->SetDesigning(true);
  auto* band = Place<TQRBand>(form.get(), 0, 0, 400, 100);
  auto* text = Place<TQRRichText>(band, "QRRichText1");
  EXPECT_EQ(text->DisplayText(), "QRRichText1");
  EXPECT_EQ(text->Width(), 185);
  text->Lines()->Add("First");
  text->Lines()->Add("Second");
  EXPECT_EQ(text->DisplayText(), "First\r\nSecond");
  EXPECT_EQ(text->Width(), 185);  // its box stays as it is

  auto* field = Place<TQRDBRichText>(band, "QRDBRichText1");
  EXPECT_EQ(field->DisplayText(), "QRDBRichText1");
  field->SetDataField("Notes");
  EXPECT_EQ(field->DisplayText(), "Notes");
  EXPECT_EQ(field->Height(), 89);
}
