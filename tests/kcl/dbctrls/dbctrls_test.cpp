// The data controls without data.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "kcl/dbctrls/datacontrols.h"
#include "support/pixels.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(DataControls, WithoutDataTheyShowTheirNameOrNothing) {
  FormPtr form = NewForm();
  auto* text = Place<TDBText>(form.get(), 8, 8);
  text->SetName("DBText1");
  text->Font()->SetColor(clRed);
  text->SetParentFont(false);
  auto* image = Place<TDBImage>(form.get(), 8, 40);
  image->SetName("DBImage1");
  image->Font()->SetColor(clRed);
  image->SetParentFont(false);
  auto* edit = Place<TDBEdit>(form.get(), 200, 8);
  edit->SetName("DBEdit1");
  form->Show();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(CountColor(form.get(), text, Qt::red), 0);  // running: nothing to show
  EXPECT_EQ(CountColor(form.get(), image, Qt::red), 0);
  form->SetDesigning(true);
  text->Invalidate();
  image->Invalidate();
  QCoreApplication::processEvents();
  EXPECT_GT(CountColor(form.get(), text, Qt::red), 0);  // "DBText1"
  EXPECT_GT(CountColor(form.get(), image, Qt::red), 0);  // "(DBImage1)"
}
