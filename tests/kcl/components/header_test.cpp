// The Windows 3.1 header: sections as wide as their text or as given, edges
// dragged to resize them with OnSizing and OnSized, its looks and its forms.
#include "kcl/components/header.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "kcl/components/morectrls.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/exceptions.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Header, PublishesWhatDelphi3Publishes) {
  EXPECT_EQ(DeclaredPropNames(&THeader::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext Align AllowResize BorderStyle Enabled Font "
            "ParentFont ParentShowHint PopupMenu Sections ShowHint Visible OnSizing OnSized");
}

TEST(Header, SectionsAreAsWideAsTheirTextUntilGivenAWidth) {
  FormPtr form = ShownForm();
  auto* header = Place<THeader>(form.get(), "Header1");
  header->Sections()->SetText("Name\nA much longer section\n");
  EXPECT_GT(header->SectionWidth(1), header->SectionWidth(0));
  EXPECT_EQ(header->SectionWidth(0), header->Canvas()->TextWidth("Name") + 8);
  header->SetSectionWidth(0, 100);
  header->SetSectionWidth(1, -5);
  EXPECT_EQ(header->SectionWidth(0), 100);
  EXPECT_EQ(header->SectionWidth(1), 0);
  header->Sections()->Insert(0, "First");  // the widths stay with their sections
  EXPECT_EQ(header->SectionWidth(1), 100);
  // The section of no width ends where the one before it does, and grows first.
  EXPECT_EQ(header->DividerAt(1 + header->SectionWidth(0) + 100), 2);
  EXPECT_EQ(header->DividerAt(1 + header->SectionWidth(0) + 1), 0);
  EXPECT_EQ(header->DividerAt(1 + header->SectionWidth(0) + 50), -1);
  EXPECT_THROW(header->SectionWidth(3), EStringListError);
  EXPECT_THROW(header->SetSectionWidth(-1, 5), EStringListError);
}

TEST(Header, DraggingAnEdgeResizesItsSection) {
  FormPtr form = ShownForm();
  auto* header = Place<THeader>(form.get(), "Header1");
  header->SetWidth(300);
  header->Sections()->SetText("One\nTwo\n");
  header->SetSectionWidth(0, 60);
  header->SetSectionWidth(1, 60);
  std::vector<std::pair<int, int>> sizing, sized;
  header->OnSizing.SetHandler([&](TObject* sender, int section, int width) {
    EXPECT_EQ(sender, header);
    sizing.emplace_back(section, width);
  });
  header->OnSized.SetHandler([&](TObject*, int section, int width) { sized.emplace_back(section, width); });
  QTest::mousePress(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(61, 8));  // the border is x 0
  QTest::mouseMove(header->Widget(), QPoint(90, 8));
  QTest::mouseMove(header->Widget(), QPoint(101, 8));
  QTest::mouseRelease(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(101, 8));
  EXPECT_EQ(header->SectionWidth(0), 100);
  EXPECT_EQ(sizing, (std::vector<std::pair<int, int>>{{0, 89}, {0, 100}}));
  EXPECT_EQ(sized, (std::vector<std::pair<int, int>>{{0, 100}}));
  EXPECT_EQ(header->SectionWidth(1), 60);

  // Dragged past the section's left edge, it is left with no width.
  QTest::mousePress(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(161, 8));
  QTest::mouseMove(header->Widget(), QPoint(20, 8));
  QTest::mouseRelease(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  EXPECT_EQ(header->SectionWidth(1), 0);

  header->SetAllowResize(false);
  sized.clear();
  QTest::mousePress(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(101, 8));
  QTest::mouseMove(header->Widget(), QPoint(150, 8));
  QTest::mouseRelease(header->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 8));
  EXPECT_EQ(header->SectionWidth(0), 100);
  EXPECT_TRUE(sized.empty());
}

TEST(Header, PaintsRaisedSectionsInsideItsBorder) {
  FormPtr form = ShownForm();
  auto* header = Place<THeader>(form.get(), "Header1");
  header->Sections()->SetText("One\n");
  header->SetSectionWidth(0, 50);
  QImage shot = header->Widget()->grab().toImage();
  const auto colour = [&](int x, int y) { return shot.pixelColor(x, y).rgb(); };
  EXPECT_EQ(colour(0, 10), ColorToQRgb(clWindowFrame));
  EXPECT_EQ(colour(1, 10), ColorToQRgb(clBtnHighlight));
  EXPECT_EQ(colour(50, 10), ColorToQRgb(clBtnShadow));     // the section's right edge
  EXPECT_EQ(colour(51, 10), ColorToQRgb(clBtnHighlight));  // the empty rest begins
  EXPECT_EQ(colour(120, 10), ColorToQRgb(clBtnFace));
  header->SetBorderStyle(bsNone);
  shot = header->Widget()->grab().toImage();
  EXPECT_EQ(colour(0, 10), ColorToQRgb(clBtnHighlight));
  EXPECT_EQ(colour(49, 10), ColorToQRgb(clBtnShadow));
}

TEST(Header, FormsComeBackByteForByte) {
  RegisterMoreControls();
  const std::string text = SampleFormText("header.txt");
  FormPtr form = ShowSampleForm(text);
  auto* files = dynamic_cast<THeader*>(form->FindComponent("FileHeader"));
  auto* plain = dynamic_cast<THeader*>(form->FindComponent("PlainHeader"));
  ASSERT_NE(files, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_FALSE(files->AllowResize());
  EXPECT_EQ(files->Sections()->CommaText(), "Name,Size,Date");
  EXPECT_TRUE(files->OnSized.Assigned());
  EXPECT_EQ(plain->BorderStyle(), bsNone);
  EXPECT_EQ(plain->Font()->Color(), clRed);
  EXPECT_TRUE(plain->OnSizing.Assigned());
  files->SetSectionWidth(1, 80);  // widths are not written
  ExpectWrittenAsRead(form.get(), text);
}
