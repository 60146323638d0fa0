// The common dialogs: their published properties, the sample forms' dialogs
// streamed back, the dialog hook, and the Qt dialogs behind the file and
// colour dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QTimer>

#include "kcl/classes/objecttext.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/finddialogs.h"
#include "kcl/components/printdialogs.h"
#include "kcl/controls/form.h"
#include "kcl/controls/modal.h"
#include "kcl/graphics/font.h"
#include "support/componenthost.h"
#include "support/formtext.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax::test;

namespace {

template <class T>
using Ptr = std::unique_ptr<T, TObjectFree>;

std::vector<std::string> OwnPropNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : GetPropInfos(cls))
    if (p->Name != "Name" && p->Name != "Tag") names.push_back(p->Name);
  return names;
}

class DialogAnswer {
public:
  explicit DialogAnswer(TDialogHook hook) { SetDialogHook(std::move(hook)); }
  ~DialogAnswer() { SetDialogHook(nullptr); }
};

// Runs answer on the first Qt dialog of class D that opens, then accepts it.
template <class D>
void AnswerQtDialog(std::function<void(D&)> answer) {
  QTimer::singleShot(0, [answer] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<D*>(w); dialog && dialog->isVisible()) {
        answer(*dialog);
        static_cast<QDialog*>(dialog)->accept();  // through the dialog's own validation
        return;
      }
  });
}

}  // namespace

TEST(Dialogs, PublishedPropertiesInDelphiOrder) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(OwnPropNames(&TOpenDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "DefaultExt", "FileEditStyle", "FileName", "Filter", "FilterIndex",
                   "HistoryList", "InitialDir", "Options", "Title"}));
  EXPECT_EQ(OwnPropNames(&TSaveDialog::StaticClass()), OwnPropNames(&TOpenDialog::StaticClass()));
  EXPECT_EQ(OwnPropNames(&TFontDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "Font", "Device", "MinFontSize", "MaxFontSize", "Options", "OnApply"}));
  EXPECT_EQ(OwnPropNames(&TColorDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "Color", "CustomColors", "Options"}));
  EXPECT_EQ(OwnPropNames(&TFindDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "FindText", "Options", "OnFind"}));
  EXPECT_EQ(OwnPropNames(&TReplaceDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "FindText", "Options", "OnFind", "ReplaceText", "OnReplace"}));
  EXPECT_EQ(OwnPropNames(&TPrintDialog::StaticClass()),
            (Names{"Ctl3D", "HelpContext", "Collate", "Copies", "FromPage", "MinPage", "MaxPage", "Options",
                   "PrintToFile", "PrintRange", "ToPage"}));
  EXPECT_EQ(GetEnumName(TypeInfoOf<TOpenOption>(), ofNoDereferenceLinks), "ofNoDereferenceLinks");
  EXPECT_EQ(GetEnumName(TypeInfoOf<TFindOption>(), frShowHelp), "frShowHelp");
}

TEST(Dialogs, SampleDialogRecordsStreamBackByteForByte) {
  RegisterDialogs();
  const std::vector<std::string> classes{"TOpenDialog", "TSaveDialog", "TFontDialog", "TColorDialog",
                                         "TPrintDialog", "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog"};
  // Every dialog class; FileEditStyle and FileName; an empty Filter that was stored.
  for (const char* file : {"13/COMMDLG/CDLGTEST.DFM", "11/SHAPES5/SHAPESF.DFM", "23/SPELL/SPELLF.DFM"}) {
    const std::string text = SampleHostText(file, classes);
    const std::string binary = ObjectTextToBinary(text);
    auto host = ReadComponentHost(binary);
    EXPECT_GE(host->ComponentCount(), 2) << file;
    EXPECT_EQ(WriteBinary(host.get()), binary) << file;
    EXPECT_EQ(ObjectBinaryToText(WriteBinary(host.get())), text) << file;
  }
  // New dialogs write nothing but what differs from the defaults, and a colour
  // dialog its Ctl3D, as the framework's designer did.
  ComponentHostPtr host = NewComponentHost();
  (new TOpenDialog(host.get()))->SetName("OpenDialog1");
  (new TColorDialog(host.get()))->SetName("ColorDialog1");
  EXPECT_EQ(ObjectBinaryToText(WriteBinary(host.get())),
            "object Host: TComponentHost\r\n  object OpenDialog1: TOpenDialog\r\n  end\r\n"
            "  object ColorDialog1: TColorDialog\r\n    Ctl3D = True\r\n  end\r\nend\r\n");
}

TEST(Dialogs, FilterBecomesQtNameFilters) {
  EXPECT_EQ(FilterToQtNameFilters("Text files (*.txt)|*.txt|Pascal files|*.pas;*.dpr|Any file (*.*)|*.*"),
            (QStringList{"Text files (*.txt)", "Pascal files (*.pas *.dpr)", "Any file (*.*)"}));
  EXPECT_EQ(FilterToQtNameFilters("Units (*.pas;*.inc)|*.pas;*.inc"), (QStringList{"Units (*.pas *.inc)"}));
  // A description whose parentheses say something else keeps them; the real
  // patterns follow.
  EXPECT_EQ(FilterToQtNameFilters("Components file (*cmp)|*.cmp"), (QStringList{"Components file (*cmp) (*.cmp)"}));
  EXPECT_EQ(FilterToQtNameFilters("A|*.a|B"), (QStringList{"A (*.a)"}));
  EXPECT_TRUE(FilterToQtNameFilters("").isEmpty());
  EXPECT_EQ(FilterToQtNameFilters("Caf\xE9|*.caf"), (QStringList{QString::fromUtf8("Café (*.caf)")}));
}

TEST(Dialogs, ExecuteAsksTheDialogHookFirst) {
  Ptr<TOpenDialog> open(new TOpenDialog(nullptr));
  Ptr<TFontDialog> font(new TFontDialog(nullptr));
  Ptr<TColorDialog> color(new TColorDialog(nullptr));
  Ptr<TPrintDialog> print(new TPrintDialog(nullptr));
  Ptr<TPrinterSetupDialog> setup(new TPrinterSetupDialog(nullptr));
  Ptr<TReplaceDialog> replace(new TReplaceDialog(nullptr));
  std::vector<TComponent*> asked;
  DialogAnswer answer([&](TComponent& dialog) {
    asked.push_back(&dialog);
    if (auto* d = dynamic_cast<TOpenDialog*>(&dialog)) d->SetFileName("chosen.txt");
    if (auto* d = dynamic_cast<TFontDialog*>(&dialog)) d->Font()->SetName("Courier New");
    if (auto* d = dynamic_cast<TColorDialog*>(&dialog)) d->SetColor(clRed);
    return dynamic_cast<TPrinterSetupDialog*>(&dialog) == nullptr;
  });
  EXPECT_TRUE(open->Execute());
  EXPECT_EQ(open->FileName(), "chosen.txt");
  EXPECT_TRUE(font->Execute());
  EXPECT_EQ(font->Font()->Name(), "Courier New");
  EXPECT_TRUE(color->Execute());
  EXPECT_EQ(color->Color(), clRed);
  EXPECT_TRUE(print->Execute());
  EXPECT_FALSE(setup->Execute());
  EXPECT_TRUE(replace->Execute());
  EXPECT_EQ(replace->Form(), nullptr);  // nothing shown
  EXPECT_EQ(asked, (std::vector<TComponent*>{open.get(), font.get(), color.get(), print.get(), setup.get(),
                                             replace.get()}));

  std::string directory = "/start";
  asked.clear();
  DialogAnswer directories([&](TComponent& dialog) {
    auto& d = dynamic_cast<TDirectoryDialog&>(dialog);
    EXPECT_EQ(d.Caption, "Pick");
    EXPECT_EQ(d.Directory, "/start");
    d.Directory = "/chosen";
    return true;
  });
  EXPECT_TRUE(SelectDirectory("Pick", "/", directory));
  EXPECT_EQ(directory, "/chosen");
}

TEST(Dialogs, OpenDialogOverQtKeepsFilterIndexOneBased) {
  TempDir dir;
  WriteFileBytes(dir.File("notes.pas"), "unit notes;");
  Ptr<TOpenDialog> dialog(new TOpenDialog(nullptr));
  dialog->SetFilter("Text (*.txt)|*.txt|Pascal (*.pas)|*.pas|Any (*.*)|*.*");
  dialog->SetFilterIndex(2);
  dialog->SetInitialDir(dir.Path());
  dialog->SetDefaultExt("txt");
  dialog->SetOptions({ofFileMustExist});
  dialog->SetTitle("Open a unit");
  QString shownFilter, title;
  AnswerQtDialog<QFileDialog>([&](QFileDialog& qt) {
    shownFilter = qt.selectedNameFilter();
    title = qt.windowTitle();
    qt.selectNameFilter("Any (*.*)");
    qt.selectFile(QString::fromStdString(dir.File("notes.pas")));
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(shownFilter, "Pascal (*.pas)");
  EXPECT_EQ(title, "Open a unit");
  EXPECT_EQ(dialog->FilterIndex(), 3);
  EXPECT_EQ(dialog->FileName(), dir.File("notes.pas"));
  ASSERT_EQ(dialog->Files()->Count(), 1);
  EXPECT_TRUE(dialog->Options().Contains(ofExtensionDifferent));
}

TEST(Dialogs, ColorDialogOverQtKeepsCustomColorsInTheFrameworksOrder) {
  Ptr<TColorDialog> dialog(new TColorDialog(nullptr));
  dialog->SetColor(clGreen);
  dialog->CustomColors()->Add("ColorA=FF0000");  // blue: $BBGGRR
  QColor initial, customA;
  AnswerQtDialog<QColorDialog>([&](QColorDialog& qt) {
    initial = qt.currentColor();
    customA = QColorDialog::customColor(0);
    QColorDialog::setCustomColor(1, QColor(255, 0, 0));
    qt.setCurrentColor(QColor(255, 0, 0));
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(initial, QColor(0, 128, 0));
  EXPECT_EQ(customA, QColor(0, 0, 255));
  EXPECT_EQ(dialog->Color(), clRed);
  EXPECT_EQ(dialog->CustomColors()->Values("ColorA"), "FF0000");
  EXPECT_EQ(dialog->CustomColors()->Values("ColorB"), "0000FF");
  EXPECT_EQ(dialog->CustomColors()->Count(), 16);
}
