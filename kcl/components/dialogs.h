#pragma once
// The common dialogs as components: Execute shows the dialog over Qt's (or, for
// find and replace, a framework form) and brings the user's choice back into the
// properties. When the dialog hook of modal.h is set, Execute returns its answer
// without showing anything.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/stringlist.h"
#include "kcl/controls/controltypes.h"
#include "kcl/graphics/font.h"
#include "kcl/system/colors.h"

#include <QStringList>

namespace kcl {

class TFont;

class TCommonDialog : public TComponent {
  KCL_CLASS(TCommonDialog, TComponent)
public:
  explicit TCommonDialog(TComponent* owner);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool v) { FCtl3D = v; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t v) { FHelpContext = v; }
  // True when the user accepted the dialog.
  bool Execute();

protected:
  // Shows the dialog itself; called when no dialog hook answers.
  virtual bool Show() = 0;

private:
  bool FCtl3D = true;
  int32_t FHelpContext = 0;
};

KCL_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
         ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
         ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
         ofOldStyleDialog, ofNoDereferenceLinks)
KCL_SET(TOpenOptions, TOpenOption)
KCL_ENUM(TFileEditStyle, fsEdit, fsComboBox)

// "Text (*.txt)|*.txt|Any|*.*": Qt's name filters, one for each description and
// its patterns (";" between them), read in the code page of the font character set.
QStringList FilterToQtNameFilters(const std::string& filter, uint8_t charset = DEFAULT_CHARSET);

class TOpenDialog : public TCommonDialog {
  KCL_CLASS(TOpenDialog, TCommonDialog)
public:
  explicit TOpenDialog(TComponent* owner);
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& v) { FDefaultExt = v; }
  TFileEditStyle FileEditStyle() const { return FFileEditStyle; }
  void SetFileEditStyle(TFileEditStyle v);
  bool IsFileEditStyleStored() const { return FFileEditStyleSet; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& v) { FFileName = v; }
  // The chosen files (more than one with ofAllowMultiSelect).
  TStrings* Files() const { return FFiles.get(); }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& v);
  bool IsFilterStored() const { return FFilterSet || !FFilter.empty(); }
  // 1-based, as the user sees the list.
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int v) { FFilterIndex = v; }
  TStrings* HistoryList() const { return FHistoryList.get(); }
  void SetHistoryList(TStrings* v) { FHistoryList->Assign(v); }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& v) { FInitialDir = v; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions v) { FOptions = v; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& v) { FTitle = v; }
  // The filter as the dialog shows it. Its texts are read as the window that owns
  // the dialog shows its own: in the code page of that window's font.
  QStringList NameFilters() const;

protected:
  bool Show() override;
  virtual bool IsSaveDialog() const { return false; }

private:
  uint8_t OwnerCharset() const;

  std::string FDefaultExt;
  TFileEditStyle FFileEditStyle = fsEdit;
  bool FFileEditStyleSet = false;
  std::string FFileName;
  std::unique_ptr<TStringList> FFiles;
  std::string FFilter;
  bool FFilterSet = false;
  int FFilterIndex = 1;
  std::unique_ptr<TStringList> FHistoryList;
  std::string FInitialDir;
  TOpenOptions FOptions;
  std::string FTitle;
};

class TSaveDialog : public TOpenDialog {
  KCL_CLASS(TSaveDialog, TOpenDialog)
public:
  using TOpenDialog::TOpenDialog;

protected:
  bool IsSaveDialog() const override { return true; }
};

KCL_ENUM(TFontDialogDevice, fdScreen, fdPrinter, fdBoth)
KCL_ENUM(TFontDialogOption, fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist,
         fdNoFaceSel, fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp,
         fdWysiwyg, fdLimitSize, fdScalableOnly)
KCL_SET(TFontDialogOptions, TFontDialogOption)

class TFontDialog : public TCommonDialog {
  KCL_CLASS(TFontDialog, TCommonDialog)
public:
  explicit TFontDialog(TComponent* owner);
  ~TFontDialog() override;
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* v);
  TFontDialogDevice Device() const { return FDevice; }
  void SetDevice(TFontDialogDevice v) { FDevice = v; }
  int MinFontSize() const { return FMinFontSize; }
  void SetMinFontSize(int v) { FMinFontSize = v; }
  int MaxFontSize() const { return FMaxFontSize; }
  void SetMaxFontSize(int v) { FMaxFontSize = v; }
  TFontDialogOptions Options() const { return FOptions; }
  void SetOptions(TFontDialogOptions v) { FOptions = v; }
  TNotifyEvent OnApply;

protected:
  bool Show() override;

private:
  std::unique_ptr<TFont> FFont;
  TFontDialogDevice FDevice = fdScreen;
  int FMinFontSize = 0;
  int FMaxFontSize = 0;
  TFontDialogOptions FOptions{fdEffects};
};

KCL_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
KCL_SET(TColorDialogOptions, TColorDialogOption)

class TColorDialog : public TCommonDialog {
  KCL_CLASS(TColorDialog, TCommonDialog)
public:
  explicit TColorDialog(TComponent* owner);
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  // "ColorA=808022" .. "ColorP=...": the sixteen custom colours in hexadecimal.
  TStrings* CustomColors() const { return FCustomColors.get(); }
  void SetCustomColors(TStrings* v) { FCustomColors->Assign(v); }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions v) { FOptions = v; }
  // Files of the framework's previous version leave Ctl3D out; such a dialog
  // is written back the same way.
  bool Ctl3DStored() const { return FCtl3DInFile; }
  void PropertiesRead(const std::vector<std::string>& names) override;

protected:
  bool Show() override;

private:
  bool FCtl3DInFile = true;
  TColor FColor = clBlack;
  std::unique_ptr<TStringList> FCustomColors;
  TColorDialogOptions FOptions;
};

// The directory chooser behind SelectDirectory.
class TDirectoryDialog : public TCommonDialog {
  KCL_CLASS(TDirectoryDialog, TCommonDialog)
public:
  using TCommonDialog::TCommonDialog;
  std::string Caption;
  std::string Root;
  std::string Directory;

protected:
  bool Show() override;
};

// Lets the user choose a directory below root (the whole file system for "");
// true with the choice in directory.
bool SelectDirectory(const std::string& caption, const std::string& root, std::string& directory);

}  // namespace kcl

namespace kcl {
// Registers the dialog classes for streaming. Safe to call more than once.
void RegisterDialogs();
}  // namespace kcl
