#include "ide/shell/about.h"

#include <gtest/gtest.h>

#include <QUrl>
#include <vector>

#include "ide/common/routines.h"
#include "kcl/graphics/picture.h"
#include "kcl/desktop/desktop.h"
#include "support/windowtest.h"

namespace korvax {
namespace {

using test::MakeWindow;
using test::ModalAnswer;

// Stands in for the desktop, so that no browser starts: records what it is
// asked to open.
class AboutBoxTest : public testing::Test {
protected:
  AboutBoxTest() {
    test::RegisterLayoutClasses();
    kcl::SetDesktopOpener([this](const QUrl& url) {
      Opened.push_back(url);
      return true;
    });
  }
  ~AboutBoxTest() override { kcl::SetDesktopOpener({}); }

  std::vector<QUrl> Opened;
};

TEST_F(AboutBoxTest, ShowsNameVersionDescriptionAndIcon) {
  auto about = MakeWindow<TAboutBox>();
  EXPECT_EQ(about->Caption(), "About Korvax");
  EXPECT_EQ(about->BorderStyle(), kcl::bsDialog);
  EXPECT_EQ(about->ProductName->Caption(), "Korvax 0.58");
  EXPECT_EQ(about->Comments->Caption(), "Visual development for Delphi 3 projects");
  EXPECT_EQ(about->WebPageButton->Caption(), "WebPage");
  EXPECT_EQ(about->SourceButton->Caption(), "Source");
  EXPECT_EQ(about->OKButton->Caption(), "OK");
  EXPECT_TRUE(about->OKButton->Default());
  const kcl::TPicture* icon = about->ProgramIcon->Picture();
  ASSERT_NE(icon->Graphic(), nullptr);
  EXPECT_EQ(icon->Width(), 32);
  EXPECT_EQ(icon->Height(), 32);
  EXPECT_EQ(about->ProgramIcon->Parent(), about->Panel1);
  EXPECT_TRUE(Opened.empty());
}

TEST_F(AboutBoxTest, OkClosesTheModalBoxWithOk) {
  bool shown = false;
  ModalAnswer answer([&](kcl::TCustomForm& form) {
    auto& about = dynamic_cast<TAboutBox&>(form);
    shown = about.Showing();
    about.OKButton->Click();
  });
  EXPECT_EQ(ShowModalDialog<TAboutBox>(), kcl::mrOk);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(Opened.empty());
}

TEST_F(AboutBoxTest, WebButtonsOpenTheProductPagesAndKeepTheBoxOpen) {
  kcl::TModalResult afterClicks = kcl::mrNone;
  ModalAnswer answer([&](kcl::TCustomForm& form) {
    auto& about = dynamic_cast<TAboutBox&>(form);
    about.WebPageButton->Click();
    about.SourceButton->Click();
    afterClicks = about.ModalResult();
    about.OKButton->Click();
  });
  EXPECT_EQ(ShowModalDialog<TAboutBox>(), kcl::mrOk);
  EXPECT_EQ(afterClicks, kcl::mrNone);
  EXPECT_EQ(Opened, (std::vector<QUrl>{QUrl(ProductWebPage), QUrl(ProductSourcePage)}));
  for (const QUrl& url : Opened) EXPECT_EQ(url.scheme(), "https") << url.toString().toStdString();
}

}  // namespace
}  // namespace korvax
