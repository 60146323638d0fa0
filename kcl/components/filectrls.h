#pragma once
// The file system controls: TFileListBox (the files of a directory that match a
// mask), TDirectoryListBox (the path to a directory and its subdirectories),
// TDriveComboBox (the roots of the file system: "/" on Linux, the drives on
// Windows) and TFilterComboBox (the filters of an open dialog). Linked
// together, a choice in one brings the others along. Paths use the platform's
// separator; names are kept in the project's code page like all text.
#include <string>
#include <vector>

#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"

namespace kcl {

KCL_ENUM(TFileAttr, ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal)
KCL_SET(TFileType, TFileAttr)
KCL_ENUM(TTextCase, tcLowerCase, tcUpperCase)

// The current directory of the process.
std::string CurrentDirectory();
// "dir" and "name" joined by one separator.
std::string JoinPath(const std::string& directory, const std::string& name);

class TFileListBox : public TCustomListBox {
  KCL_CLASS(TFileListBox, TCustomListBox)
public:
  static constexpr const char* DefaultMask = "*.*";

  explicit TFileListBox(TComponent* owner);

  const std::string& Directory() const { return FDirectory; }
  void SetDirectory(const std::string& v);
  // The selected file with its directory; "" when none is selected.
  std::string FileName() const;
  // Selects the file when it is listed; a path elsewhere changes the directory first.
  void SetFileName(const std::string& v);
  TEdit* FileEdit() const { return FFileEdit; }
  void SetFileEdit(TEdit* v);
  TFileType FileType() const { return FFileType; }
  void SetFileType(TFileType v);
  // Patterns separated by ";", matched ignoring case.
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& v);
  bool IsMaskStored() const { return FMask != DefaultMask; }
  bool ShowGlyphs() const { return FShowGlyphs; }
  void SetShowGlyphs(bool v);
  // Lists the directory again.
  void ReadFileNames();

  void Click() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

protected:
  virtual void Change();
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  void FontChanged() override;

private:
  void ResetItemHeight();

  std::string FDirectory;
  std::string FMask = DefaultMask;
  TFileType FFileType{ftNormal};
  TEdit* FFileEdit = nullptr;
  bool FShowGlyphs = false;
  std::string FLastFileName;
};

class TDirectoryListBox : public TCustomListBox {
  KCL_CLASS(TDirectoryListBox, TCustomListBox)
public:
  explicit TDirectoryListBox(TComponent* owner);

  const std::string& Directory() const { return FDirectory; }
  void SetDirectory(const std::string& v);
  TLabel* DirLabel() const { return FDirLabel; }
  void SetDirLabel(TLabel* v);
  TFileListBox* FileList() const { return FFileList; }
  void SetFileList(TFileListBox* v);
  // The full path an item stands for.
  std::string GetItemPath(int index) const;
  // Opens the selected item: it becomes the directory.
  void OpenCurrent();

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

protected:
  virtual void Change();
  void DblClick() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;

private:
  void ReadDirectoryNames();
  // The indent level of an item: the path's parts, then the subdirectories one deeper.
  int ItemLevel(int index) const;

  std::string FDirectory;
  std::vector<std::string> FPathParts;  // root first; the items above the subdirectories
  TLabel* FDirLabel = nullptr;
  TFileListBox* FFileList = nullptr;
};

class TDriveComboBox : public TCustomComboBox {
  KCL_CLASS(TDriveComboBox, TCustomComboBox)
public:
  explicit TDriveComboBox(TComponent* owner);

  // The selected root ("/", "c:\").
  std::string Root() const;
  char Drive() const;
  void SetDrive(char v);
  TDirectoryListBox* DirList() const { return FDirList; }
  void SetDirList(TDirectoryListBox* v);
  TTextCase TextCase() const { return FTextCase; }
  void SetTextCase(TTextCase v);

  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Change() override;

private:
  void ReadDrives();

  std::vector<std::string> FRoots;
  TDirectoryListBox* FDirList = nullptr;
  TTextCase FTextCase = tcLowerCase;
};

class TFilterComboBox : public TCustomComboBox {
  KCL_CLASS(TFilterComboBox, TCustomComboBox)
public:
  static constexpr const char* DefaultFilter = "All files (*.*)|*.*";

  explicit TFilterComboBox(TComponent* owner);

  // "Description|patterns|Description|patterns..."
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& v);
  bool IsFilterStored() const { return FFilter != DefaultFilter; }
  // The patterns of the chosen filter.
  std::string Mask() const;
  TFileListBox* FileList() const { return FFileList; }
  void SetFileList(TFileListBox* v);

  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Change() override;

private:
  std::string FFilter = DefaultFilter;
  std::vector<std::string> FMasks;
  TFileListBox* FFileList = nullptr;
};

}  // namespace kcl
