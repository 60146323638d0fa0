#include <gtest/gtest.h>

#include <QTest>

#include "kcl/components/headercontrol.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(CommonControls, HeaderSectionsClickAndResizeByTheirEdges) {
  FormPtr form = NewForm();
  auto* header = Create<THeaderControl>(form.get(), form.get(), "HeaderControl1");
  THeaderSection* first = header->Sections()->Add();
  first->SetWidth(80);
  first->SetMaxWidth(120);
  THeaderSection* second = header->Sections()->Add();
  second->SetAllowClick(false);
  form->Show();
  std::vector<std::string> log;
  header->OnSectionClick.SetHandler(
      [&](THeaderControl*, THeaderSection* s) { log.push_back("click " + std::to_string(s->Index())); });
  header->OnSectionTrack.SetHandler([&](THeaderControl*, THeaderSection*, int w, TSectionTrackState st) {
    log.push_back("track " + std::to_string(w) + " " + std::to_string(st));
  });
  header->OnSectionResize.SetHandler([&](THeaderControl*, THeaderSection*) { log.push_back("resize"); });
  QTest::mouseClick(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  QTest::mouseClick(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 8));  // not clickable
  QTest::mousePress(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 8));
  QTest::mouseMove(header->Widget(), QPoint(200, 8));
  QTest::mouseRelease(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
  EXPECT_EQ(first->Width(), 120);  // held at MaxWidth
  EXPECT_EQ(second->Left(), 120);
  EXPECT_EQ(log, (std::vector<std::string>{"click 0", "track 80 0", "track 120 1", "track 120 2", "resize"}));
}
