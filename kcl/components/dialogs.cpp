#include "kcl/components/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/finddialogs.h"
#include "kcl/components/printdialogs.h"
#include "kcl/controls/control.h"
#include "kcl/controls/modal.h"
#include "kcl/desktop/charsettext.h"
#include "kcl/desktop/cp1252.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TCommonDialog) {
  cls.property("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true);
  cls.property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext, THelpContextType())
      .Default(0);
}

KCL_CLASS_INFO(TOpenDialog) {
  cls.property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
  cls.property("FileEditStyle", &TOpenDialog::FileEditStyle, &TOpenDialog::SetFileEditStyle)
      .Stored(&TOpenDialog::IsFileEditStyleStored);
  cls.property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
  cls.property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter).Stored(&TOpenDialog::IsFilterStored);
  cls.property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
  cls.property("HistoryList", &TOpenDialog::HistoryList, &TOpenDialog::SetHistoryList);
  cls.property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
  cls.property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions).Default(TOpenOptions{});
  cls.property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

KCL_CLASS_INFO(TSaveDialog) {}
KCL_CLASS_INFO(TDirectoryDialog) {}

// --- TCommonDialog

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {}

bool TCommonDialog::Execute() {
  if (HasDialogHook()) return RunDialogHook(*this);
  return Show();
}

// --- filters

QStringList FilterToQtNameFilters(const std::string& filter, uint8_t charset) {
  QStringList result;
  const QStringList parts = DecodeForCharset(filter, charset).split('|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].trimmed();
    QString spaced = patterns;
    spaced.replace(';', ' ');
    // "Text (*.txt;*.pas)" already names its patterns: Qt reads them from there.
    const QString named = "(" + patterns + ")";
    if (description.endsWith(named))
      description.chop(named.size());
    else
      description += ' ';
    result << description + "(" + spaced + ")";
  }
  return result;
}

// --- TOpenDialog

TOpenDialog::TOpenDialog(TComponent* owner)
    : TCommonDialog(owner), FFiles(std::make_unique<TStringList>()), FHistoryList(std::make_unique<TStringList>()) {}

void TOpenDialog::SetFileEditStyle(TFileEditStyle v) {
  FFileEditStyle = v;
  FFileEditStyleSet = true;
}

void TOpenDialog::SetFilter(const std::string& v) {
  FFilter = v;
  FFilterSet = true;
}

uint8_t TOpenDialog::OwnerCharset() const {
  const auto* window = dynamic_cast<const TControl*>(Owner());
  return window ? window->Font()->Charset() : DEFAULT_CHARSET;
}

QStringList TOpenDialog::NameFilters() const { return FilterToQtNameFilters(FFilter, OwnerCharset()); }

bool TOpenDialog::Show() {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowTitle(
      DecodeForCharset(FTitle.empty() ? (IsSaveDialog() ? "Save As" : "Open") : FTitle, OwnerCharset()));
  dialog.setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (IsSaveDialog())
    dialog.setFileMode(QFileDialog::AnyFile);
  else if (FOptions.Contains(ofAllowMultiSelect))
    dialog.setFileMode(QFileDialog::ExistingFiles);
  else
    dialog.setFileMode(FOptions.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !FOptions.Contains(ofOverwritePrompt));
  dialog.setOption(QFileDialog::DontResolveSymlinks, FOptions.Contains(ofNoDereferenceLinks));
  dialog.setDefaultSuffix(cp1252::Decode(FDefaultExt));
  const QStringList filters = NameFilters();
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[std::clamp(FFilterIndex, 1, static_cast<int>(filters.size())) - 1]);
  }
  if (!FInitialDir.empty()) dialog.setDirectory(cp1252::Decode(FInitialDir));
  if (!FFileName.empty()) dialog.selectFile(cp1252::Decode(FFileName));
  if (dialog.exec() != QDialog::Accepted) return false;

  FFiles->Clear();
  for (const QString& file : dialog.selectedFiles()) FFiles->Add(cp1252::Encode(QDir::toNativeSeparators(file)));
  FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : std::string();
  if (!filters.isEmpty()) FFilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  const std::string ext = cp1252::Encode(QFileInfo(cp1252::Decode(FFileName)).suffix());
  if (!FDefaultExt.empty() && !SameText(ext, FDefaultExt))
    FOptions.Include(ofExtensionDifferent);
  else
    FOptions.Exclude(ofExtensionDifferent);
  return true;
}

// --- directories

bool TDirectoryDialog::Show() {
  QString start = cp1252::Decode(Directory.empty() ? Root : Directory);
  const QString chosen = QFileDialog::getExistingDirectory(
      nullptr, cp1252::Decode(Caption), start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return false;
  Directory = cp1252::Encode(QDir::toNativeSeparators(chosen));
  return true;
}

bool SelectDirectory(const std::string& caption, const std::string& root, std::string& directory) {
  std::unique_ptr<TDirectoryDialog, TObjectFree> dialog(new TDirectoryDialog(nullptr));
  dialog->Caption = caption;
  dialog->Root = root;
  dialog->Directory = directory;
  if (!dialog->Execute()) return false;
  directory = dialog->Directory;
  return true;
}

}  // namespace kcl

namespace kcl {

void RegisterDialogs() {
  static const bool registered = [] {
    RegisterClasses({&TOpenDialog::StaticClass(), &TSaveDialog::StaticClass(), &TFontDialog::StaticClass(),
                     &TColorDialog::StaticClass(), &TPrintDialog::StaticClass(),
                     &TPrinterSetupDialog::StaticClass(), &TFindDialog::StaticClass(),
                     &TReplaceDialog::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl
