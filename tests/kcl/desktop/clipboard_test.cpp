#include "kcl/desktop/clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace kcl {
namespace {

const std::string ComponentBytes("TPF0\0\xff\x00\x80 TButton\xff", 17);

class ClipboardTest : public testing::Test {
protected:
  ClipboardTest() {
    while (Clipboard().IsOpen()) Clipboard().Close();
    QGuiApplication::clipboard()->setText("before");
  }
  static QByteArray QtData(const QString& mimeType) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(mimeType) : QByteArray();
  }

  const uint32_t CF_COMPONENT = RegisterClipboardFormat("Delphi Component");
  const QString ComponentMime = QStringLiteral("application/x-qt-windows-mime;value=\"Delphi Component\"");
};

TEST_F(ClipboardTest, RegisteredFormatsAreStableNumbers) {
  EXPECT_GE(CF_COMPONENT, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat("DELPHI COMPONENT"), CF_COMPONENT);
  const uint32_t other = RegisterClipboardFormat("Delphi Picture");
  EXPECT_GE(other, 0xC000u);
  EXPECT_NE(other, CF_COMPONENT);
  EXPECT_EQ(RegisterClipboardFormat(""), 0u);
  EXPECT_EQ(GetClipboardFormatName(CF_COMPONENT), "Delphi Component");
  EXPECT_EQ(MimeTypeOfFormat(CF_COMPONENT), ComponentMime);
  EXPECT_EQ(MimeTypeOfFormat(RegisterClipboardFormat("text/html")), "text/html");
}

TEST_F(ClipboardTest, TextIsWindows1252Bytes) {
  Clipboard().SetAsText("Caf\xe9 \x80 5");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Café € 5"));
  EXPECT_EQ(Clipboard().AsText(), "Caf\xe9 \x80 5");
  QGuiApplication::clipboard()->setText(QString::fromUtf8("x ✓ \U0001F600"));
  EXPECT_EQ(Clipboard().AsText(), "x ? ?");
  Clipboard().SetBuffer(CF_TEXT, std::string("ab\0cd", 5));
  EXPECT_EQ(Clipboard().AsText(), "ab");
  Clipboard().Clear();
  EXPECT_EQ(Clipboard().AsText(), "");
  EXPECT_EQ(Clipboard().FormatCount(), 0);
}

TEST_F(ClipboardTest, ComponentBytesRoundTripExactly) {
  Clipboard().SetBuffer(CF_COMPONENT, ComponentBytes);
  EXPECT_EQ(Clipboard().GetBuffer(CF_COMPONENT), ComponentBytes);
  EXPECT_EQ(QtData(ComponentMime), QByteArray(ComponentBytes.data(), static_cast<qsizetype>(ComponentBytes.size())));
  EXPECT_TRUE(Clipboard().HasFormat(CF_COMPONENT));
  EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT)) << "a set outside Open replaces the other formats";
  EXPECT_EQ(Clipboard().GetBuffer(CF_TEXT), std::nullopt);

  // Another program of this system puts the same format on the clipboard.
  auto* data = new QMimeData;
  data->setData(ComponentMime, QByteArray("\0\1", 2));
  QGuiApplication::clipboard()->setMimeData(data);
  EXPECT_EQ(Clipboard().GetBuffer(CF_COMPONENT), std::string("\0\1", 2));
}

TEST_F(ClipboardTest, FormatsSetWhileOpenArePublishedTogetherAtTheLastClose) {
  Clipboard().Open();
  Clipboard().Open();
  Clipboard().SetBuffer(CF_COMPONENT, ComponentBytes);
  Clipboard().SetAsText("Button1");
  EXPECT_EQ(Clipboard().AsText(), "Button1") << "the open clipboard reads what was set";
  EXPECT_TRUE(Clipboard().Close());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  EXPECT_TRUE(Clipboard().Close());
  EXPECT_FALSE(Clipboard().Close());

  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Button1");
  EXPECT_EQ(Clipboard().GetBuffer(CF_COMPONENT), ComponentBytes);
  ASSERT_EQ(Clipboard().FormatCount(), 2);
  EXPECT_EQ(Clipboard().Formats(0), CF_COMPONENT);
  EXPECT_EQ(Clipboard().Formats(1), CF_TEXT);
  EXPECT_EQ(Clipboard().Formats(2), 0u);
}

TEST_F(ClipboardTest, Win32Calls) {
  EXPECT_FALSE(SetClipboardData(CF_COMPONENT, ComponentBytes)) << "the clipboard is not open";
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(CloseClipboard());

  // Without EmptyClipboard, SetClipboardData adds to what is there.
  ASSERT_TRUE(OpenClipboard());
  EXPECT_TRUE(SetClipboardData(CF_COMPONENT, ComponentBytes));
  EXPECT_FALSE(SetClipboardData(0x1234, "unknown format"));
  Clipboard().SetBuffer(0x1234, "unknown format");
  EXPECT_TRUE(CloseClipboard());
  EXPECT_EQ(GetClipboardData(CF_TEXT), "before");
  EXPECT_EQ(GetClipboardData(CF_COMPONENT), ComponentBytes);

  ASSERT_TRUE(OpenClipboard());
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_COMPONENT));
  EXPECT_TRUE(SetClipboardData(CF_TEXT, "only text"));
  EXPECT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_COMPONENT));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "only text");
}

}  // namespace
}  // namespace kcl
