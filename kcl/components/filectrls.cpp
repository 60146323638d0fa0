#include "kcl/components/filectrls.h"

#include <QDir>
#include <QFileInfo>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

constexpr int GlyphSize = 16;

QString ToQt(const std::string& text) { return cp1252::Decode(text); }
std::string FromQt(const QString& text) { return cp1252::Encode(text); }

// Qt's "*.*" wants a dot; the framework's matches every name.
QStringList NameFilters(const std::string& mask) {
  QStringList filters;
  for (QString pattern : ToQt(mask).split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    filters << (pattern == "*.*" ? QStringLiteral("*") : pattern);
  }
  if (filters.isEmpty()) filters << "*";
  return filters;
}

std::string NativePath(const QString& path) { return FromQt(QDir::toNativeSeparators(path)); }

void DrawFolderGlyph(TCanvas& canvas, int x, int y, bool open) {
  canvas.Pen()->SetColor(clOlive);
  canvas.Brush()->SetColor(open ? clWhite : clYellow);
  canvas.Rectangle(x, y + 2, x + 6, y + 5);  // the tab
  canvas.Brush()->SetColor(clYellow);
  canvas.Rectangle(x, y + 4, x + GlyphSize - 2, y + GlyphSize - 3);
}

void DrawFileGlyph(TCanvas& canvas, int x, int y) {
  canvas.Pen()->SetColor(clBlack);
  canvas.Brush()->SetColor(clWhite);
  const TPoint page[] = {{x + 3, y + 1}, {x + 9, y + 1}, {x + 12, y + 4}, {x + 12, y + 14}, {x + 3, y + 14}};
  canvas.Polygon(page);
}

// An item's glyph at the left of its rectangle and its text after it.
void DrawGlyphItem(TCanvas& canvas, const TRect& rect, int indent, const std::string& text,
                   const std::function<void(int x, int y)>& glyph) {
  const TColor background = canvas.Brush()->Color();
  canvas.FillRect(rect);
  const int x = rect.Left + 2 + indent;
  glyph(x, rect.Top + (rect.Height() - GlyphSize) / 2);
  canvas.Brush()->SetColor(background);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(x + GlyphSize + 2, rect.Top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
  canvas.Brush()->SetStyle(bsSolid);
}

template <class T>
void Link(TComponent* self, T*& field, T* value) {
  field = value;
  if (value) value->FreeNotification(self);
}

}  // namespace

std::string CurrentDirectory() { return NativePath(QDir::currentPath()); }

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  const char last = directory.back();
  return last == '/' || last == '\\' ? directory + name : directory + static_cast<char>(QDir::separator().toLatin1()) + name;
}

// --- TFileListBox

KCL_CLASS_INFO(TFileListBox) {
  using T = TFileListBox;
  cls.publish({"Align", "Color", "Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("ExtendedSelect", &T::ExtendedSelect, &T::SetExtendedSelect).Default(true);
  cls.property("FileEdit", &T::FileEdit, &T::SetFileEdit);
  cls.property("FileType", &T::FileType, &T::SetFileType).Default(TFileType{ftNormal});
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("IntegralHeight", &T::IntegralHeight, &T::SetIntegralHeight).Default(false);
  cls.property("ItemHeight", &T::ItemHeight, &T::SetItemHeight);
  cls.property("Mask", &T::Mask, &T::SetMask).Stored(&T::IsMaskStored);
  cls.property("MultiSelect", &T::MultiSelect, &T::SetMultiSelect).Default(false);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ShowGlyphs", &T::ShowGlyphs, &T::SetShowGlyphs).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner), FDirectory(CurrentDirectory()) {
  FControlStyle.Exclude(csSetCaption);
  SetBounds(0, 0, 145, Height());
  SetStyle(lbOwnerDrawFixed);
  SetSorted(true);
  ResetItemHeight();
  ReadFileNames();
}

void TFileListBox::ReadFileNames() {
  QDir dir(ToQt(FDirectory));
  QDir::Filters filters = QDir::Files | QDir::System;
  if (FFileType.Contains(ftDirectory)) filters |= QDir::AllDirs | QDir::NoDot;
  if (FFileType.Contains(ftHidden)) filters |= QDir::Hidden;
  std::vector<std::string> names;
  for (const QFileInfo& info : dir.entryInfoList(NameFilters(FMask), filters, QDir::Name | QDir::IgnoreCase)) {
    if (info.isDir()) {
      if (dir.isRoot() && info.fileName() == "..") continue;
      names.push_back('[' + FromQt(info.fileName()) + ']');
      continue;
    }
    // Without write permission for its owner a file counts as read-only.
    const bool readOnly = !(info.permissions() & QFileDevice::WriteOwner);
    const bool listed = readOnly ? FFileType.Contains(ftReadOnly) || FFileType.Contains(ftNormal)
                                 : FFileType.Contains(ftNormal) || FFileType.Contains(ftArchive);
    if (listed || (info.isHidden() && FFileType.Contains(ftHidden))) names.push_back(FromQt(info.fileName()));
  }
  Items()->BeginUpdate();
  Items()->Clear();
  for (const std::string& name : names) Items()->Add(name);
  Items()->EndUpdate();
}

void TFileListBox::SetDirectory(const std::string& v) {
  if (v == FDirectory) return;
  FDirectory = v;
  ReadFileNames();
  Change();
}

std::string TFileListBox::FileName() const {
  const int index = ItemIndex();
  if (index < 0 || index >= Items()->Count()) return {};
  return JoinPath(FDirectory, Items()->Strings(index));
}

void TFileListBox::SetFileName(const std::string& v) {
  const QFileInfo info(ToQt(v));
  if (info.isAbsolute() || v.find_first_of("/\\") != std::string::npos) SetDirectory(NativePath(info.absolutePath()));
  SetItemIndex(Items()->IndexOf(FromQt(info.fileName())));
  Change();
}

void TFileListBox::SetFileEdit(TEdit* v) {
  Link(this, FFileEdit, v);
  if (FFileEdit) FFileEdit->SetText(FMask);
}

void TFileListBox::SetFileType(TFileType v) {
  FFileType = v;
  ReadFileNames();
}

void TFileListBox::SetMask(const std::string& v) {
  FMask = v;
  if (FFileEdit) FFileEdit->SetText(FMask);
  ReadFileNames();
  Change();
}

void TFileListBox::SetShowGlyphs(bool v) {
  FShowGlyphs = v;
  ResetItemHeight();
  Invalidate();
}

void TFileListBox::ResetItemHeight() {
  const int text = TextCellHeight(*Font());
  SetItemHeight(FShowGlyphs ? std::max(text, GlyphSize) : text);
}

void TFileListBox::FontChanged() {
  TCustomListBox::FontChanged();
  if (!IsLoading()) ResetItemHeight();
}

void TFileListBox::Click() {
  TCustomListBox::Click();
  if (ItemIndex() >= 0 && FFileEdit) FFileEdit->SetText(Items()->Strings(ItemIndex()));
  Change();
}

void TFileListBox::Change() {
  const std::string name = FileName();
  if (name == FLastFileName) return;
  FLastFileName = name;
  OnChange(this);
}

void TFileListBox::Notification(TComponent* component, TOperation operation) {
  TCustomListBox::Notification(component, operation);
  if (operation == opRemove && component == FFileEdit) FFileEdit = nullptr;
}

void TFileListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem.Assigned() || !FShowGlyphs) return TCustomListBox::DrawItem(index, rect, state);
  const std::string& text = Items()->Strings(index);
  const bool folder = text.starts_with('[');
  DrawGlyphItem(*Canvas(), rect, 0, text, [&](int x, int y) {
    if (folder) DrawFolderGlyph(*Canvas(), x, y, false);
    else DrawFileGlyph(*Canvas(), x, y);
  });
}

// --- TDirectoryListBox

KCL_CLASS_INFO(TDirectoryListBox) {
  using T = TDirectoryListBox;
  cls.publish({"Align", "Color"});
  cls.property("Columns", &T::Columns, &T::SetColumns).Default(0);
  cls.publish({"Ctl3D"});
  cls.property("DirLabel", &T::DirLabel, &T::SetDirLabel);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("FileList", &T::FileList, &T::SetFileList);
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("IntegralHeight", &T::IntegralHeight, &T::SetIntegralHeight).Default(false);
  cls.property("ItemHeight", &T::ItemHeight, &T::SetItemHeight);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TCustomListBox(owner) {
  FControlStyle.Exclude(csSetCaption);
  SetBounds(0, 0, 145, Height());
  SetStyle(lbOwnerDrawFixed);
  SetItemHeight(GlyphSize);
  SetDirectory(CurrentDirectory());
}

void TDirectoryListBox::SetDirectory(const std::string& v) {
  const QDir dir(ToQt(v));
  if (!dir.exists()) return;
  const std::string path = NativePath(dir.absolutePath());
  if (path == FDirectory) return;
  FDirectory = path;
  ReadDirectoryNames();
  if (FDirLabel) FDirLabel->SetCaption(FDirectory);
  if (FFileList) FFileList->SetDirectory(FDirectory);
  Change();
}

void TDirectoryListBox::ReadDirectoryNames() {
  QDir dir(ToQt(FDirectory));
  FPathParts.clear();
  for (QDir up = dir;; ) {
    FPathParts.insert(FPathParts.begin(), up.isRoot() ? NativePath(up.absolutePath()) : FromQt(up.dirName()));
    if (up.isRoot() || !up.cdUp()) break;
  }
  Items()->BeginUpdate();
  Items()->Clear();
  for (const std::string& part : FPathParts) Items()->Add(part);
  for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    Items()->Add(FromQt(sub));
  Items()->EndUpdate();
  SetItemIndex(static_cast<int>(FPathParts.size()) - 1);
}

std::string TDirectoryListBox::GetItemPath(int index) const {
  const int parts = static_cast<int>(FPathParts.size());
  if (index < 0 || index >= Items()->Count()) return {};
  if (index >= parts) return JoinPath(FDirectory, Items()->Strings(index));
  std::string path = FPathParts[0];
  for (int i = 1; i <= index; ++i) path = JoinPath(path, FPathParts[static_cast<size_t>(i)]);
  return path;
}

int TDirectoryListBox::ItemLevel(int index) const {
  return std::min(index, static_cast<int>(FPathParts.size()));
}

void TDirectoryListBox::OpenCurrent() { SetDirectory(GetItemPath(ItemIndex())); }

void TDirectoryListBox::DblClick() {
  TCustomListBox::DblClick();
  OpenCurrent();
}

void TDirectoryListBox::KeyDown(Word& key, TShiftState shift) {
  TCustomListBox::KeyDown(key, shift);
  if (key == VK_RETURN) OpenCurrent();
}

void TDirectoryListBox::Change() { OnChange(this); }

void TDirectoryListBox::SetDirLabel(TLabel* v) {
  Link(this, FDirLabel, v);
  if (FDirLabel) FDirLabel->SetCaption(FDirectory);
}

void TDirectoryListBox::SetFileList(TFileListBox* v) {
  Link(this, FFileList, v);
  if (FFileList) FFileList->SetDirectory(FDirectory);
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation) {
  TCustomListBox::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FDirLabel) FDirLabel = nullptr;
  if (component == FFileList) FFileList = nullptr;
}

void TDirectoryListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem.Assigned()) return TCustomListBox::DrawItem(index, rect, state);
  const int level = ItemLevel(index);
  const bool open = index < static_cast<int>(FPathParts.size());
  DrawGlyphItem(*Canvas(), rect, level * 8, Items()->Strings(index),
                [&](int x, int y) { DrawFolderGlyph(*Canvas(), x, y, open); });
}

// --- TDriveComboBox

KCL_CLASS_INFO(TDriveComboBox) {
  using T = TDriveComboBox;
  cls.publish({"Color", "Ctl3D"});
  cls.property("DirList", &T::DirList, &T::SetDirList);
  cls.publish({"DragMode", "DragCursor", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("TextCase", &T::TextCase, &T::SetTextCase).Default(tcLowerCase);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDropDown", &T::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDrag"});
}

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner) {
  FControlStyle.Exclude(csSetCaption);
  SetStyle(csDropDownList);
  ReadDrives();
}

void TDriveComboBox::ReadDrives() {
  FRoots.clear();
  for (const QFileInfo& drive : QDir::drives()) FRoots.push_back(NativePath(drive.absoluteFilePath()));
  if (FRoots.empty()) FRoots.push_back(NativePath(QDir::rootPath()));
  // The drive of the current directory is the one chosen.
  const std::string current = CurrentDirectory();
  int chosen = 0;
  Items()->BeginUpdate();
  Items()->Clear();
  for (size_t i = 0; i < FRoots.size(); ++i) {
    std::string text = FRoots[i];
    if (text.size() > 1 && (text.back() == '\\' || text.back() == '/')) text.pop_back();  // "c:", "/"
    Items()->Add(FTextCase == tcUpperCase ? FromQt(ToQt(text).toUpper()) : FromQt(ToQt(text).toLower()));
    if (current.size() >= FRoots[i].size() && ToQt(current).startsWith(ToQt(FRoots[i]), Qt::CaseInsensitive))
      chosen = static_cast<int>(i);
  }
  Items()->EndUpdate();
  SetItemIndex(chosen);
}

std::string TDriveComboBox::Root() const {
  const int index = ItemIndex();
  return index >= 0 && index < static_cast<int>(FRoots.size()) ? FRoots[static_cast<size_t>(index)] : std::string();
}

char TDriveComboBox::Drive() const {
  const std::string root = Root();
  return root.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(root[0])));
}

void TDriveComboBox::SetDrive(char v) {
  for (size_t i = 0; i < FRoots.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(FRoots[i][0])) != std::tolower(static_cast<unsigned char>(v))) continue;
    if (static_cast<int>(i) == ItemIndex()) return;
    SetItemIndex(static_cast<int>(i));
    Change();
    return;
  }
}

void TDriveComboBox::SetTextCase(TTextCase v) {
  if (FTextCase == v) return;
  FTextCase = v;
  const int index = ItemIndex();
  ReadDrives();
  SetItemIndex(index);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* v) { Link(this, FDirList, v); }

void TDriveComboBox::Change() {
  if (FDirList && !Root().empty() && !ToQt(FDirList->Directory()).startsWith(ToQt(Root()), Qt::CaseInsensitive))
    FDirList->SetDirectory(Root());
  TCustomComboBox::Change();
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
  TCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == FDirList) FDirList = nullptr;
}

// --- TFilterComboBox

KCL_CLASS_INFO(TFilterComboBox) {
  using T = TFilterComboBox;
  cls.publish({"Color", "Ctl3D", "DragMode", "DragCursor", "Enabled"});
  cls.property("FileList", &T::FileList, &T::SetFileList);
  cls.property("Filter", &T::Filter, &T::SetFilter).Stored(&T::IsFilterStored);
  cls.publish({"Font", "ImeMode", "ImeName"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDropDown", &T::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDrag"});
}

TFilterComboBox::TFilterComboBox(TComponent* owner) : TCustomComboBox(owner) {
  FControlStyle.Exclude(csSetCaption);
  SetStyle(csDropDownList);
  FFilter.clear();
  SetFilter(DefaultFilter);
}

void TFilterComboBox::SetFilter(const std::string& v) {
  if (v == FFilter) return;
  FFilter = v;
  FMasks.clear();
  Items()->BeginUpdate();
  Items()->Clear();
  // Pairs of description and patterns; a description without patterns stands for itself.
  for (size_t at = 0; at <= v.size() && !v.empty();) {
    size_t bar = v.find('|', at);
    const std::string description = v.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
    std::string patterns = description;
    if (bar != std::string::npos) {
      const size_t next = v.find('|', bar + 1);
      patterns = v.substr(bar + 1, next == std::string::npos ? std::string::npos : next - bar - 1);
      bar = next;
    }
    Items()->Add(description);
    FMasks.push_back(patterns);
    if (bar == std::string::npos) break;
    at = bar + 1;
  }
  Items()->EndUpdate();
  SetItemIndex(Items()->Count() > 0 ? 0 : -1);
  if (FFileList) FFileList->SetMask(Mask());
}

std::string TFilterComboBox::Mask() const {
  const int index = ItemIndex();
  return index >= 0 && index < static_cast<int>(FMasks.size()) ? FMasks[static_cast<size_t>(index)] : "*.*";
}

void TFilterComboBox::SetFileList(TFileListBox* v) {
  Link(this, FFileList, v);
  if (FFileList) FFileList->SetMask(Mask());
}

void TFilterComboBox::Change() {
  if (FFileList) FFileList->SetMask(Mask());
  TCustomComboBox::Change();
}

void TFilterComboBox::Notification(TComponent* component, TOperation operation) {
  TCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == FFileList) FFileList = nullptr;
}

}  // namespace kcl
