// Editing the selected row in place: the text field, the value list, the "..."
// button, the keys that move between them, and expanding rows.
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "kcl/controls/application.h"
#include "kcl/controls/keys.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::inspector {

using namespace kcl;

namespace {

bool IsNavigationKey(Word key) { return key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN; }

// The editors whose class shows "..." though they offer no dialog attribute.
bool BrowsesByClass(const std::string& editorClass) {
  for (const char* name :
       {"TFontProperty", "TPictureProperty", "TKV_PictureProperty", "TKV_StringListProperty", "TKV_MenuItemProperty"})
    if (editorClass == name) return true;
  return false;
}

// The editor of a list's row, nullptr for no row.
TPropertyEditor* EditorAt(const TStringList& editors, int row) {
  return row >= 0 && row < editors.Count() ? static_cast<TPropertyEditor*>(editors.Objects(row)) : nullptr;
}

}  // namespace

// --- the selected row's text

std::string TObjectInspector::SelectedRowName() const {
  const int index = PropertyBox->ItemIndex();
  return index < 0 ? "" : RowName(PropertyBox->Items()->Strings(index));
}

std::string TObjectInspector::SelectedRowValue() const {
  const int index = PropertyBox->ItemIndex();
  return index < 0 ? "" : RowValue(PropertyBox->Items()->Strings(index));
}

void TObjectInspector::SetSelectedRowValue(const std::string& text) {
  const int index = PropertyBox->ItemIndex();
  if (index < 0) return;
  PropertyBox->Items()->Put(index, PropertyBox->Items()->Strings(index).substr(0, 20) + text);
}

void TObjectInspector::ApplyValue(const std::string& text) {
  if (FEditor) FEditor->SetValue(text);
}

void TObjectInspector::ApplyToRow(const std::string& text) {
  // A value the property refuses raises before the row changes.
  const std::string name = SelectedRowName();
  ApplyValue(text);
  const int index = PropertyBox->ItemIndex();
  if (index >= 0) PropertyBox->Items()->Put(index, ValueRowText(name, text));
}

// --- choosing the in-place control

void TObjectInspector::PropertyBoxClick(TObject*) { SelectProperty(EditorAt(*FPropEditors, PropertyBox->ItemIndex())); }

void TObjectInspector::EventBoxClick(TObject*) { SelectProperty(EditorAt(*FEventEditors, EventBox->ItemIndex())); }

void TObjectInspector::SelectProperty(TPropertyEditor* editor) {
  FEditor = editor;
  if (!editor) return;
  editor->Activate();
  FAttributes = editor->GetAttributes();
  ShowEditor(FAttributes & AttributeBit(paDialog) ? static_cast<TControl*>(Browse) : nullptr);
  cbValue->Items()->Clear();
  const std::string editorClass = editor->ClassName();
  if ((FAttributes & AttributeBit(paValueList)) && editorClass != "TMethodProperty") {
    editor->GetValues([this](const std::string& value) { cbValue->Items()->Add(value); });
    ShowEditor(cbValue);
  } else if (BrowsesByClass(editorClass)) {
    ShowEditor(Browse);
  } else if (editorClass == "TMethodProperty") {
    ShowEditor(edEvent);
  } else if (const std::string& typeName = editor->GetPropType()->Name; typeName == "TBitmap" || typeName == "TListColumns") {
    ShowEditor(Browse);
  } else if (typeName == "TPopupMenu") {
    ShowEditor(cbValue);
  }
  StatusBar1->SetSimpleText(editor->GetPropType()->Name + " : " + editorClass);
  if (edProperty->Visible()) {
    edProperty->SetText(editor->GetValue());
  } else if (cbValue->Visible()) {
    const int item = cbValue->Items()->IndexOf(editor->GetValue());
    if (item >= 0)
      cbValue->SetItemIndex(item);
    else
      cbValue->SetText(SelectedRowValue());
  }
}

void TObjectInspector::ShowEditor(TControl* control) {
  const TRect& r = FValueRect;
  if (control == cbValue || control == edProperty || control == edEvent) {
    control->SetBounds(r.Left + 1, r.Top, r.Right - r.Left + 3, r.Bottom - r.Top);
  }
  if (control == cbValue) {
    cbValue->Show();
    Browse->Hide();
    edProperty->Hide();
    if (cbValue->CanFocus()) cbValue->SetFocus();
    const int item = cbValue->Items()->IndexOf(SelectedRowValue());
    if (item >= 0)
      cbValue->SetItemIndex(item);
    else
      cbValue->SetText(SelectedRowValue());
  } else if (control == edProperty) {
    cbValue->Hide();
    Browse->Hide();
    edProperty->Show();
  } else if (control == Browse) {
    Browse->SetBounds(r.Right - 15, r.Top, Browse->Width(), r.Bottom - r.Top);
    Browse->Show();
    if (Browse->CanFocus()) Browse->SetFocus();
    cbValue->Hide();
    edProperty->Hide();
  } else if (control == edEvent) {
    edEvent->SetWidth(EventBox->ClientWidth() - FSplitX);
    const int index = EventBox->ItemIndex();
    const std::string row = index >= 0 ? EventBox->Items()->Strings(index) : "";
    edEvent->SetText(row.size() > 20 ? row.substr(20, 235) : "");
    edEvent->Show();
    if (edEvent->CanFocus()) edEvent->SetFocus();
    ShowHandlerList();
  } else {
    cbValue->Hide();
    Browse->Hide();
    edProperty->Hide();
  }
}

// --- keys

void TObjectInspector::PropertyBoxKeyDown(TObject*, Word& key, TShiftState) {
  if (key == VK_RETURN) {
    key = 0;
    return;
  }
  if (key == VK_F1) ShowPropertyHelp();
  if (IsNavigationKey(key)) return;
  // Typing over a selected row starts editing it with that key.
  edProperty->SetBounds(FValueRect.Left, FValueRect.Top, FValueRect.Width(), FValueRect.Height());
  edProperty->Show();
  if (edProperty->CanFocus()) edProperty->SetFocus();
  edProperty->SelectAll();  // as an edit entered by the keyboard is: the key replaces it
  edProperty->PostMessage(WM_KEYDOWN, key, 0);
  key = 0;
}

void TObjectInspector::PassKeyToList(Word key) {
  if (PropertyBox->CanFocus()) PropertyBox->SetFocus();
  PropertyBox->PostMessage(WM_KEYDOWN, key, 0);
}

void TObjectInspector::edPropertyKeyDown(TObject*, Word& key, TShiftState) {
  const int index = PropertyBox->ItemIndex();
  const bool leavesUp = key == VK_UP && index >= 1;
  const bool leavesDown = key == VK_DOWN && index < PropertyBox->Items()->Count() - 1;
  if ((leavesUp || leavesDown) && edProperty->Modified()) ApplyToRow(edProperty->Text());
  if (IsNavigationKey(key)) {
    PassKeyToList(key);
    key = 0;
  }
}

void TObjectInspector::edPropertyKeyPress(TObject*, char& key) {
  if (key != '\r') return;
  key = 0;
  if (PropertyBox->CanFocus()) PropertyBox->SetFocus();
  ApplyToRow(edProperty->Text());
}

void TObjectInspector::cbValueChange(TObject*) { ApplyToRow(cbValue->Text()); }

void TObjectInspector::cbValueDblClick(TObject*) {
  const int count = cbValue->Items()->Count();
  if (count == 0) return;
  const int index = cbValue->ItemIndex();
  cbValue->SetItemIndex(index < 0 || index >= count - 1 ? 0 : index + 1);
  cbValueChange(cbValue);
}

void TObjectInspector::cbValueKeyDown(TObject*, Word& key, TShiftState) {
  if (key == VK_RETURN) {
    if (PropertyBox->CanFocus()) PropertyBox->SetFocus();
    key = 0;
  } else if (key == VK_F1) {
    ShowPropertyHelp();
  } else if (IsNavigationKey(key)) {
    PassKeyToList(key);
    key = 0;
  }
}

void TObjectInspector::ShowPropertyHelp() { Application()->HelpKeyword(SelectedRowName()); }

// --- the dialog button and expansion

void TObjectInspector::BrowseClick(TObject*) {
  if (!FEditor) return;
  FEditor->Edit();
  SetSelectedRowValue(FEditor->GetValue());
}

void TObjectInspector::PropertyBoxDblClick(TObject*) {
  if (FMouseDownX >= FSplitX) return;
  const int index = PropertyBox->ItemIndex();
  if (index < 0) return;
  const std::string row = PropertyBox->Items()->Strings(index);
  const std::string name = Trim(row.substr(1, 20));
  if (row.starts_with("+")) {
    PropertyBox->Items()->Put(index, "-" + name);
    TPropertyEditor* editor = EditorAt(*FPropEditors, index);
    if (!editor) return;
    const int before = PropertyBox->Items()->Count();
    editor->GetProperties([this](std::unique_ptr<TPropertyEditor> sub) { AddSubProperty(std::move(sub)); });
    FSubRowCounts[editor] = PropertyBox->Items()->Count() - before;
  } else if (row.starts_with("-")) {
    PropertyBox->Items()->Put(index, "+" + name);
    if (FComponent) RemoveSubProperties(GetPropInfo(FComponent->ClassType(), name), FComponent);
  }
}

}  // namespace korvax::inspector
