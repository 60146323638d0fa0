#include "kcl/components/diroutline.h"

#include <QDir>

#include "kcl/components/filectrls.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

KCL_CLASS_INFO(TDirectoryOutline) {
  using T = TDirectoryOutline;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D"});
  cls.property("Directory", &T::Directory, &T::SetDirectory, MakeStringType(tkLString, "TFileName")).Stored(false);
  cls.property("Drive", &T::Drive, &T::SetDrive).Stored(false);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("ItemHeight", &T::ItemHeight, &T::SetItemHeight);
  cls.property("Options", &T::Options, &T::SetOptions).Default(TOutlineOptions{ooDrawFocusRect});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PictureClosed", &T::PictureClosed, &T::SetPictureClosed).Stored(&T::IsPictureClosedStored);
  cls.property("PictureLeaf", &T::PictureLeaf, &T::SetPictureLeaf).Stored(&T::IsPictureLeafStored);
  cls.property("PictureOpen", &T::PictureOpen, &T::SetPictureOpen).Stored(&T::IsPictureOpenStored);
  cls.publish({"PopupMenu"});
  cls.property("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssBoth);
  cls.property("Style", &T::Style, &T::SetStyle).Default(otStandard);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("TextCase", &T::TextCase, &T::SetTextCase).Default(TDirTextCase::tcLowerCase);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick"});
  cls.event("OnCollapse", &T::OnCollapse, EOutlineChangeType());
  cls.publish({"OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &T::OnDrawItem, TDrawItemEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit"});
  cls.event("OnExpand", &T::OnExpand, EOutlineChangeType());
  cls.publish({"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDirectoryOutline::TDirectoryOutline(TComponent* owner) : TCustomOutline(owner) {
  SetOptions({ooDrawFocusRect});
  SetDirectory(CurrentDirectory());
}

std::string TDirectoryOutline::Cased(const std::string& name) const {
  const QString text = cp1252::Decode(name);
  switch (FTextCase) {
    case TDirTextCase::tcLowerCase: return cp1252::Encode(text.toLower());
    case TDirTextCase::tcUpperCase: return cp1252::Encode(text.toUpper());
    default: return name;
  }
}

void TDirectoryOutline::BuildTree() {
  std::vector<std::string> parts;  // root last
  QDir dir(cp1252::Decode(FDirectory));
  for (QDir up = dir;;) {
    parts.push_back(up.isRoot() ? cp1252::Encode(QDir::toNativeSeparators(up.absolutePath()))
                                : cp1252::Encode(up.dirName()));
    if (up.isRoot() || !up.cdUp()) break;
  }
  FPaths.clear();
  Lines()->BeginUpdate();
  Lines()->Clear();
  std::string path, tabs;
  for (auto part = parts.rbegin(); part != parts.rend(); ++part, tabs += '\t') {
    path = path.empty() ? *part : JoinPath(path, *part);
    Lines()->Add(tabs + Cased(*part));
    FPaths.push_back(path);
  }
  for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    Lines()->Add(tabs + Cased(cp1252::Encode(sub)));
    FPaths.push_back(JoinPath(FDirectory, cp1252::Encode(sub)));
  }
  Lines()->EndUpdate();
  const int current = static_cast<int>(parts.size());
  for (int i = 1; i < current; ++i) SetExpanded(i, true);
  if (current < ItemCount()) SetExpanded(current, true);
  SetSelectedItem(current);
}

void TDirectoryOutline::SetDirectory(const std::string& v) {
  const QDir dir(cp1252::Decode(v));
  if (v.empty() || !dir.exists()) return;
  const std::string path = cp1252::Encode(QDir::toNativeSeparators(dir.absolutePath()));
  if (path == FDirectory) return;
  FDirectory = path;
  BuildTree();
  Change();
}

void TDirectoryOutline::SetDrive(char v) {
  for (const QFileInfo& drive : QDir::drives()) {
    const std::string root = cp1252::Encode(QDir::toNativeSeparators(drive.absoluteFilePath()));
    if (!root.empty() && std::tolower(static_cast<unsigned char>(root[0])) == std::tolower(static_cast<unsigned char>(v)))
      return SetDirectory(root);
  }
}

void TDirectoryOutline::SetTextCase(TDirTextCase v) {
  FTextCase = v;
  BuildTree();
}

std::string TDirectoryOutline::ItemPath(int index) const {
  return index >= 1 && index <= static_cast<int>(FPaths.size()) ? FPaths[static_cast<size_t>(index - 1)] : std::string();
}

void TDirectoryOutline::Click() {
  TCustomOutline::Click();
  if (SelectedItem() > 0) SetDirectory(ItemPath(SelectedItem()));
}

}  // namespace kcl
