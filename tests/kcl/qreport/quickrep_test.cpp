// QuickReport 2's report page and bands: a report form as Delphi 3 writes them
// loads into them, shows, and comes back byte for byte; on the page the bands
// stay stacked, a child band follows its parent, and the zoom scales it all.
#include "kcl/qreport/quickrep.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "kcl/classes/objecttext.h"
#include "kcl/db/bdedatasets.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/qreport/qrchildband.h"
#include "kcl/qreport/qrcompositereport.h"
#include "kcl/qreport/qrexpr.h"
#include "kcl/qreport/qrimage.h"
#include "kcl/qreport/qrrichtext.h"
#include "kcl/qreport/qrsubdetail.h"
#include "kcl/qreport/quickreport.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/testfiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

std::string ReportFormText() {
  return ReadFileBytes(std::string(KORVAX_TEST_DATA) + "/forms/samples/customerreport.txt");
}

FormPtr ReadReportForm(const std::string& binary) {
  RegisterReportClasses();
  RegisterClasses({&TTable::StaticClass()});
  FormPtr form(new TForm(nullptr));
  form->SetClassType(TClassInfo::CreateRuntimeClass("TCustomerReportForm", &TForm::StaticClass()));
  ReadBinary(form.get(), binary);
  return form;
}

template <class T>
T* Find(const FormPtr& form, const std::string& name) {
  auto* component = dynamic_cast<T*>(form->FindComponent(name));
  EXPECT_NE(component, nullptr) << name;
  return component;
}

// A designed page with bands of the given heights stacked from (30, 30).
struct DesignedPage {
  FormPtr Form = NewForm(900, 700);
  TQuickRep* Page = nullptr;
  std::vector<TQRCustomBand*> Bands;

  explicit DesignedPage(std::initializer_list<int> heights) {
    Form->SetDesigning(true);
    Page = Place<TQuickRep>(Form.get(), 0, 0);
    int top = 30;
    for (int height : heights) {
      auto* band = Place<TQRBand>(Page, 30, top, 700, height);
      Bands.push_back(band);
      top += height;
    }
  }
  TQRChildBand* AddChild() {
    Bands.push_back(Place<TQRChildBand>(Page, 30, 0, 700, 24));
    return static_cast<TQRChildBand*>(Bands.back());
  }
};

}  // namespace

TEST(QuickRep, PublishesQuickReport2sProperties) {
  const std::string control = "Name Tag Left Top Width Height Cursor Hint ";
  const std::string winControl = control + "HelpContext ";
  EXPECT_EQ(DeclaredPropNames(&TQuickRep::StaticClass()),
            winControl + "Frame AfterPreview AfterPrint BeforePrint DataSet Font OnEndPage OnNeedData OnPreview "
                         "OnStartPage Options PrintIfEmpty ReportTitle SnapToGrid Units Zoom");
  const std::string band = "Frame AfterPrint AlignToBottom BeforePrint Color Enabled Font ForceNewColumn ForceNewPage";
  EXPECT_EQ(DeclaredPropNames(&TQRChildBand::StaticClass()), winControl + band + " ParentBand ParentFont");
  EXPECT_EQ(DeclaredPropNames(&TQRSubDetail::StaticClass()),
            winControl + band +
                " ParentFont Master DataSet FooterBand HeaderBand OnNeedData PrintBefore PrintIfEmpty");
  EXPECT_EQ(DeclaredPropNames(&TQRExpr::StaticClass()),
            control + "Frame Alignment AlignToBand AutoSize AutoStretch Color Font Master OnPrint ParentFont "
                      "ResetAfterPrint Transparent WordWrap Expression Mask");
  EXPECT_EQ(DeclaredPropNames(&TQRImage::StaticClass()), control + "Frame AutoSize Center Picture Stretch");
  EXPECT_EQ(DeclaredPropNames(&TQRDBImage::StaticClass()), control + "Frame Center DataField DataSet Stretch");
  EXPECT_EQ(DeclaredPropNames(&TQRRichText::StaticClass()),
            control + "Frame Alignment AutoStretch Color Font Lines");
  EXPECT_EQ(DeclaredPropNames(&TQRDBRichText::StaticClass()),
            control + "Frame Alignment AutoStretch Color DataField DataSet Font");
  EXPECT_EQ(DeclaredPropNames(&TQRCompositeReport::StaticClass()), "Name Tag OnAddReports");
  for (TClass cls : {&TQuickRep::StaticClass(), &TQRChildBand::StaticClass(), &TQRSubDetail::StaticClass(),
                     &TQRExpr::StaticClass(), &TQRImage::StaticClass(), &TQRDBImage::StaticClass()})
    ExpectListedInNameOrder(cls);

  // The defaults are what a new instance holds.
  FormPtr form = NewForm();
  for (TClass cls : {&TQuickRep::StaticClass(), &TQRChildBand::StaticClass(), &TQRSubDetail::StaticClass(),
                     &TQRExpr::StaticClass(), &TQRImage::StaticClass(), &TQRDBImage::StaticClass(),
                     &TQRRichText::StaticClass(), &TQRDBRichText::StaticClass()}) {
    SCOPED_TRACE(cls->ClassName());
    auto* instance = static_cast<TComponent*>(cls->NewInstance(form.get()));
    for (PPropInfo prop : GetPropInfos(cls)) {
      if (prop->GetOrd && prop->Default != NoDefault && prop->PropType->Kind != tkClass) {
        EXPECT_EQ(prop->GetOrd(instance), prop->Default) << prop->Name;
      }
    }
  }

  // Its events name their senders as QuickReport 2 declares them.
  const TTypeData* beforePrint = GetTypeData(GetPropInfo(&TQuickRep::StaticClass(), "BeforePrint")->PropType);
  ASSERT_EQ(beforePrint->Params.size(), 2u);
  EXPECT_EQ(beforePrint->Params[0].TypeName, "TCustomQuickRep");
  EXPECT_EQ(GetTypeData(GetPropInfo(&TQuickReport::StaticClass(), "BeforePrint")->PropType)->Params[0].TypeName,
            "TQuickRep");
  EXPECT_EQ(GetPropInfo(&TQRChildBand::StaticClass(), "ParentBand")->PropType->Name, "TQRCustomBand");
  EXPECT_EQ(GetPropInfo(&TQRSubDetail::StaticClass(), "HeaderBand")->PropType->Name, "TQRBand");
}

TEST(QuickRep, AReportFormLoadsShowsAndComesBackByteForByte) {
  const std::string text = ReportFormText();
  const std::string binary = ObjectTextToBinary(text);
  FormPtr form = ReadReportForm(binary);

  auto* page = Find<TQuickRep>(form, "QuickRep1");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Zoom(), 80);
  EXPECT_EQ(page->Units(), TQRUnit::Inches);
  EXPECT_EQ(page->DataSet(), form->FindComponent("CustomerTable"));
  EXPECT_EQ(page->ReportTitle(), "Customers and their orders");
  EXPECT_TRUE(page->Frame()->DrawBottom());
  // The bands stay where the file put them, inside the page's margins.
  auto* title = Find<TQRBand>(form, "TitleBand1");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->BoundsRect(), Bounds(30, 30, 574, 32));
  auto* child = Find<TQRChildBand>(form, "ChildBand1");
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->ParentBand(), title);
  EXPECT_EQ(child->Parent(), page);
  auto* orders = Find<TQRSubDetail>(form, "OrdersDetail");
  ASSERT_NE(orders, nullptr);
  EXPECT_EQ(orders->Master(), page);
  EXPECT_EQ(orders->HeaderBand(), form->FindComponent("OrdersHeader"));
  EXPECT_EQ(orders->FooterBand(), form->FindComponent("OrdersFooter"));
  EXPECT_FALSE(orders->PrintIfEmpty());
  auto* place = Find<TQRExpr>(form, "PlaceExpr");
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->Expression(), "CustomerTable.City + ', ' + CustomerTable.State");
  EXPECT_EQ(place->Master(), page);
  auto* image = Find<TQRImage>(form, "QRImage1");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Picture()->Width(), 8);
  Find<TQRDBImage>(form, "LogoImage");
  Find<TQRRichText>(form, "QRRichText1");
  Find<TQRDBRichText>(form, "NotesText");
  Find<TQRCompositeReport>(form, "QRCompositeReport1");

  EXPECT_EQ(WriteBinary(form.get()), binary);
  EXPECT_EQ(WriteText(form.get()), text);

  // Shown: a white page in its outline, the title band silver and its child band yellow below it.
  form->Show();
  QApplication::processEvents();
  const QImage shot = page->Widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10).rgb(), ColorToQRgb(clWhite));
  EXPECT_EQ(shot.pixelColor(page->Width() / 2, page->Height() - 1).rgb(), ColorToQRgb(clBlack));
  EXPECT_EQ(shot.pixelColor(400, 55).rgb(), ColorToQRgb(clSilver));
  EXPECT_EQ(shot.pixelColor(400, 70).rgb(), ColorToQRgb(clYellow));
}

TEST(QuickRep, ThroughTextTheFormComesBackToo) {
  const std::string text = ReportFormText();
  RegisterReportClasses();
  RegisterClasses({&TTable::StaticClass()});
  FormPtr form(new TForm(nullptr));
  form->SetClassType(TClassInfo::CreateRuntimeClass("TCustomerReportForm", &TForm::StaticClass()));
  EXPECT_EQ(TextRoundTrip(form.get(), text), text);
}

TEST(QuickRep, BandsStayStackedAsTheyGrowAndChildBandsFollowTheirParents) {
  DesignedPage design({40, 30, 50});
  auto& bands = design.Bands;
  // A band that grows moves the bands below it.
  bands[0]->SetHeight(60);
  EXPECT_EQ(bands[1]->Top(), 90);
  EXPECT_EQ(bands[2]->Top(), 120);
  bands[1]->SetHeight(10);
  EXPECT_EQ(bands[2]->Top(), 100);

  // A child band takes its place right below its parent; the bands below make room.
  TQRChildBand* child = design.AddChild();
  child->SetParentBand(bands[0]);
  EXPECT_EQ(child->BoundsRect(), Bounds(30, 90, 700, 24));
  EXPECT_EQ(bands[1]->Top(), 114);
  EXPECT_EQ(bands[2]->Top(), 124);
  // and moves with it.
  bands[0]->SetBounds(30, 40, 700, 60);
  EXPECT_EQ(child->Top(), 100);
  bands[0]->SetHeight(20);
  EXPECT_EQ(child->Top(), 60);
  EXPECT_EQ(bands[1]->Top(), 74);

  // A band cannot follow itself, nor a band that follows it.
  auto* grandchild = Place<TQRChildBand>(design.Page, 30, 300, 700, 20);
  grandchild->SetParentBand(child);
  EXPECT_EQ(grandchild->Top(), 84);
  child->SetParentBand(grandchild);
  EXPECT_EQ(child->ParentBand(), bands[0]);
  grandchild->SetParentBand(grandchild);
  EXPECT_EQ(grandchild->ParentBand(), child);

  // A parent that goes is forgotten.
  bands[0]->Free();
  EXPECT_EQ(child->ParentBand(), nullptr);
}

TEST(QuickRep, ANewBandGoesBelowTheOthers) {
  DesignedPage design({40, 30});
  auto* band = new TQRBand(design.Form.get());
  band->SetParent(design.Page);
  EXPECT_EQ(band->BoundsRect(), Bounds(30, 100, 700, 40));
  auto* first = new TQRSubDetail(design.Form.get());
  DesignedPage empty({});
  first->SetParent(empty.Page);
  EXPECT_EQ(first->BoundsRect(), Bounds(0, 0, empty.Page->ClientWidth(), 40));
  // Elsewhere than on a QuickReport 2 page bands lie across their parent.
  auto* report = Place<TQuickReport>(design.Form.get(), 0, 0);
  auto* stacked = Place<TQRChildBand>(report, 30, 300, 100, 20);
  EXPECT_EQ(stacked->BoundsRect(), Bounds(0, 0, report->ClientWidth(), 20));
}

TEST(QuickRep, TheZoomScalesThePageAndAllItHolds) {
  DesignedPage design({40, 30});
  EXPECT_EQ(design.Page->BoundsRect(), Bounds(0, 0, 794, 1123));  // A4 at 96 pixels an inch
  auto* label = Place<TQRLabel>(design.Bands[1], 10, 4, 100, 20);
  label->SetAutoSize(false);
  design.Page->SetZoom(50);
  EXPECT_EQ(design.Page->BoundsRect(), Bounds(0, 0, 397, 562));
  EXPECT_EQ(design.Bands[0]->BoundsRect(), Bounds(15, 15, 350, 20));
  EXPECT_EQ(design.Bands[1]->BoundsRect(), Bounds(15, 35, 350, 15));
  EXPECT_EQ(label->BoundsRect(), Bounds(5, 2, 50, 10));
  design.Page->SetZoom(100);
  EXPECT_EQ(design.Bands[1]->BoundsRect(), Bounds(30, 70, 700, 30));
  design.Page->SetZoom(0);
  EXPECT_EQ(design.Page->Zoom(), 10);
}
