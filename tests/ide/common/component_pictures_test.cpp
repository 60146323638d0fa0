// The component pictures as Qt reads them: one per class the palette offers,
// each a small 16-colour image of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>

namespace {

const QStringList kClasses = {
    "TMainMenu", "TPopupMenu", "TLabel", "TEdit", "TMemo", "TButton", "TCheckBox",
    "TRadioButton", "TListBox", "TComboBox", "TScrollBar", "TGroupBox", "TRadioGroup",
    "TPanel", "TBitBtn", "TSpeedButton", "TMaskEdit", "TStringGrid", "TDrawGrid",
    "TImage", "TShape", "TBevel", "TScrollBox", "TTabControl", "TPageControl",
    "TImageList", "TRichEdit", "TTrackBar", "TProgressBar", "TUpDown", "THotKey",
    "TTreeView", "TListView", "THeaderControl", "TStatusBar", "TTimer", "TPaintBox",
    "TMediaPlayer", "TOleContainer", "TDdeClientConv", "TDdeClientItem",
    "TDdeServerConv", "TDdeServerItem", "TDataSource", "TTable", "TQuery",
    "TStoredProc", "TDatabase", "TSession", "TBatchMove", "TUpdateSQL", "TDBGrid",
    "TDBNavigator", "TDBText", "TDBEdit", "TDBMemo", "TDBImage", "TDBListBox",
    "TDBComboBox", "TDBCheckBox", "TDBRadioGroup", "TDBLookupListBox",
    "TDBLookupComboBox", "TTabbedNotebook", "TOutline", "TNotebook", "THeader",
    "TFileListBox", "TDirectoryListBox", "TDriveComboBox", "TFilterComboBox",
    "TOpenDialog", "TSaveDialog", "TFontDialog", "TColorDialog", "TPrintDialog",
    "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog", "TQuickReport", "TQRBand",
    "TQRGroup", "TQRDetailLink", "TQRLabel", "TQRMemo", "TQRDBText", "TQRDBCalc",
    "TQRSysData", "TQRShape", "TQRPreview", "TIBEventAlerter", "TGauge", "TColorGrid",
    "TSpinButton", "TSpinEdit", "TDirectoryOutline", "TCalendar", "TDBCtrlGrid",
    "TToolBar", "TToolButton", "TCoolBar", "TTabSheet", "TAnimate",
    "TOpenPictureDialog", "TSavePictureDialog", "TDateTimePicker", "TStaticText",
    "TSplitter", "TChart", "TDataModule", "TForm", "TDBLookupList", "TDBLookupCombo",
    "TReport", "TQuickRep", "TQRChildBand", "TQRSubDetail", "TQRExpr", "TQRImage",
    "TQRDBImage", "TQRRichText", "TQRDBRichText", "TQRCompositeReport", "TCheckListBox", "TTabSet"};

QDir picturesDir() { return QDir(QStringLiteral(KORVAX_COMPONENT_PICTURES)); }

QStringList expectedFiles() {
  QStringList files{"DEFAULT.xpm", "ARROW.xpm"};
  for (const QString& name : kClasses) files << name.toUpper() + ".xpm";
  return files;
}

// Every picture, read by file name, as 32-bit pixels so that pictures compare
// by what they show rather than by how their colour tables are ordered.
std::map<QString, QImage> loadAll() {
  std::map<QString, QImage> pictures;
  const QDir dir = picturesDir();
  for (const QString& file : dir.entryList({"*.xpm"}, QDir::Files)) {
    QImage image(dir.filePath(file), "XPM");
    pictures[file] = image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
  }
  return pictures;
}

QSet<QRgb> coloursOf(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

int opaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) == 255;
  return count;
}

TEST(ComponentPictures, DirectoryHoldsOnePicturePerClassPlusDefaultAndArrow) {
  ASSERT_EQ(kClasses.size(), QSet<QString>(kClasses.begin(), kClasses.end()).size());
  const QStringList expected = expectedFiles();
  const QStringList present = picturesDir().entryList(QDir::Files);
  const QSet<QString> want(expected.begin(), expected.end());
  const QSet<QString> have(present.begin(), present.end());
  for (const QString& file : want - have) ADD_FAILURE() << "missing " << file.toStdString();
  for (const QString& file : have - want) ADD_FAILURE() << "unexpected " << file.toStdString();
}

TEST(ComponentPictures, EachLoadsAs24By24InAtMost16ColoursAndShowsSomething) {
  const auto pictures = loadAll();
  ASSERT_FALSE(pictures.empty());
  for (const auto& [file, image] : pictures) {
    SCOPED_TRACE(file.toStdString());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 24);
    EXPECT_EQ(image.height(), 24);
    const qsizetype colours = coloursOf(image).size();
    EXPECT_LE(colours, 16);
    // A blank or single-colour square would tell one component from no other.
    EXPECT_GE(colours, 2);
    EXPECT_GE(opaquePixels(image), 40);
  }
}

TEST(ComponentPictures, NoTwoPicturesAreAlike) {
  const auto pictures = loadAll();
  std::map<QByteArray, QString> seen;
  for (const auto& [file, image] : pictures) {
    if (image.isNull()) continue;
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                            image.sizeInBytes());
    const auto [it, fresh] = seen.emplace(pixels, file);
    EXPECT_TRUE(fresh) << file.toStdString() << " looks exactly like "
                       << it->second.toStdString();
  }
}

}  // namespace
