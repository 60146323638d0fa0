#include "ide/editor/editorform.h"

#include "ide/common/diskfiles.h"
#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/editor/pas_to_rtf.h"
#include "ide/editor/pas_words.h"
#include "ide/editor/componentunits.h"
#include "ide/editor/sourcegen.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/classes/streams.h"
#include "ide/common/textutils.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/msgdlg.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::editor {

using namespace kcl;

kcl::TRichEdit* CurrentEditor = nullptr;
TEditorForm* EditorForm = nullptr;

KCL_CLASS_INFO(TEditorForm) {
  using T = TEditorForm;
  cls.field("StatusBar", &T::StatusBar);
  cls.field("PageControl1", &T::PageControl1);
  cls.field("TabSheet1", &T::TabSheet1);
  cls.field("RichEdit1", &T::RichEdit1);
  cls.field("PopupMenu1", &T::PopupMenu1);
  cls.field("NClosePage", &T::NClosePage);
  cls.field("NInsert", &T::NInsert);
  cls.field("N2", &T::N2);
  cls.field("NReadOnly", &T::NReadOnly);
  cls.field("N1", &T::N1);
  cls.field("OpenDialog1", &T::OpenDialog1);
  cls.method("RichEdit1KeyUp", &T::RichEdit1KeyUp);
  cls.method("RichEdit1Change", &T::RichEdit1Change);
  cls.method("PageControl1Change", &T::PageControl1Change);
  cls.method("NClosePageClick", &T::NClosePageClick);
  cls.method("NReadOnlyClick", &T::NReadOnlyClick);
  cls.method("NInsertClick", &T::NInsertClick);
  cls.method("FormActivate", &T::FormActivate);
  cls.method("FormClose", &T::FormClose);
}

namespace {

constexpr TColor ReservedWordBlue = 0xFF0000;

// What ends a word when walking back from the caret: controls, blanks and
// punctuation below '0', ':' to '@', '[' to '`' (the underscore too), '{' to DEL.
bool EndsWord(unsigned char c) { return c < 48 || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 127); }

std::string TrimBlanksAndControls(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ') --last;
  return s.substr(first, last - first);
}

int LineOfCaret(TRichEdit* edit) { return static_cast<int>(edit->Perform(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1), 0)); }
int LineStart(TRichEdit* edit, int line) { return static_cast<int>(edit->Perform(EM_LINEINDEX, static_cast<uintptr_t>(line), 0)); }

}  // namespace

TEditorForm::TEditorForm(TComponent* owner) : TForm(owner) {
  LoadFromLayout(LayoutText("EditorForm"));
  RichEdit1->Perform(EM_SETMODIFY, 0, 0);  // a window just made holds nothing unsaved
}

// --- pages

std::string TEditorForm::UniqueEditorName() const {
  for (int n = 1;; ++n)
    if (!PageControl1->FindComponent("RichEdit" + std::to_string(n))) return "RichEdit" + std::to_string(n);
}

std::string TEditorForm::FileNameOf(const TRichEdit* edit) const {
  const auto found = FFiles.find(edit);
  if (found != FFiles.end()) return found->second.FileName;
  const auto* page = edit ? dynamic_cast<const TTabSheet*>(edit->Parent()) : nullptr;
  return page ? page->Caption() + ".pas" : std::string();
}

TRichEdit* TEditorForm::EditorOfFile(const std::string& fileName) const {
  for (int i = 0; i < PageControl1->PageCount(); ++i)
    if (TRichEdit* edit = EditorOf(PageControl1->Pages(i)); edit && FileNameOf(edit) == fileName) return edit;
  return nullptr;
}

TRichEdit* TEditorForm::FindFileEditor(const std::string& fileName) const {
  TRichEdit* found = nullptr;
  for (int i = 0; i < PageControl1->PageCount(); ++i)
    if (TRichEdit* edit = EditorOf(PageControl1->Pages(i));
        edit && SameText(ExtractFileName(FileNameOf(edit)), ExtractFileName(fileName)))
      found = edit;
  return found;
}

bool TEditorForm::ShowsFormText(const TRichEdit* edit) const {
  const std::string fileName = FileNameOf(edit);
  return SameText(ExtractFileExt(fileName), ".dfm") || fileName == FormTextFile();
}

namespace {

std::string PageCaption(const std::string& fileName) {
  return ExtractFileExt(fileName) == ".pas" ? ExtractBaseName(fileName) : ExtractFileName(fileName);
}

}  // namespace

TRichEdit* TEditorForm::OpenInEditor(const std::string& fileName) {
  auto* page = new TTabSheet(PageControl1);
  page->SetPageControl(PageControl1);
  page->SetCaption(PageCaption(fileName));
  auto* edit = new TRichEdit(PageControl1);
  edit->SetName(UniqueEditorName());
  edit->SetParent(page);
  FFiles[edit].FileName = fileName;
  edit->SetColor(SettingInteger("EDITOR", "BackColor", 0xFFFFFF));
  edit->Font()->SetName(SettingString("EDITOR", "FONTNAME", "Arial"));
  edit->Font()->SetSize(SettingInteger("EDITOR", "FONTSIZE", 10));
  edit->SetAlign(alClient);
  edit->SetPlainText(!SettingBool("EDITOR", "HighLight", false));
  edit->SetPopupMenu(PopupMenu1);
  edit->SetScrollBars(ssBoth);
  edit->SetWordWrap(false);
  edit->OnKeyUp = RichEdit1->OnKeyUp;  // the handlers the layout bound on the first page
  FillPage(edit, fileName);
  // Only now: loading is no change.
  edit->OnChange = RichEdit1->OnChange;
  SetCaption(fileName);
  PageControl1->SetActivePage(page);
  Show();
  CurrentEditor = edit;
  return edit;
}

void TEditorForm::FillPage(TRichEdit* edit, const std::string& fileName) {
  const std::string extension = ExtractFileExt(fileName);
  // A project names its files in any letter case.
  const std::string diskFile = DiskFileName(fileName);
  if (SameText(extension, ".dfm")) {
    // The main window has just put the form's text there.
    if (FileExists(FormTextFile())) LoadPageText(edit, FormTextFile());
  } else if (fileName == "Project1") {
    if (Host && Host->ProjectSource()) edit->Lines()->Assign(Host->ProjectSource());
  } else if (!FileExists(diskFile)) {
    // Unit2.pas gets Form2: the character five from the end.
    const std::string form = fileName.size() >= 5 ? "Form" + fileName.substr(fileName.size() - 5, 1) : "Form1";
    edit->Lines()->Assign(NewUnitSource(ExtractBaseName(fileName), form).get());
  } else if (extension == ".pas" && !edit->PlainText()) {
    FFiles[edit].Breaks = LineBreaksOf(LoadBytesFromFile(diskFile));
    TPasConversion conversion;
    conversion.ReadHighlightSettings(3);
    conversion.LoadFromFile(diskFile);
    conversion.ConvertToRtf();
    edit->Lines()->LoadFromStream(conversion);
  } else {
    LoadPageText(edit, diskFile);
  }
  // What the program filled in holds nothing the user typed.
  edit->Perform(EM_SETMODIFY, 0, 0);
}

void TEditorForm::LoadPageText(TRichEdit* edit, const std::string& fileName) {
  TStringStream text(LoadBytesFromFile(fileName));
  FFiles[edit].Breaks = LineBreaksOf(text.DataString());
  edit->Lines()->LoadFromStream(text);
}

void TEditorForm::WritePage(TRichEdit* edit, const std::string& fileName) {
  const auto found = FFiles.find(edit);
  SaveBytesToFile(fileName, JoinLines(*edit->Lines(), found == FFiles.end() ? TLineBreaks() : found->second.Breaks));
  edit->Perform(EM_SETMODIFY, 0, 0);
}

void TEditorForm::RenamePage(TRichEdit* edit, const std::string& fileName) {
  FFiles[edit].FileName = fileName;
  if (auto* page = dynamic_cast<TTabSheet*>(edit->Parent())) page->SetCaption(PageCaption(fileName));
  if (ActiveEditor() == edit) SetCaption(fileName);
}

void TEditorForm::ShowPage(TRichEdit* edit) {
  auto* page = edit ? dynamic_cast<TTabSheet*>(edit->Parent()) : nullptr;
  if (!page) return;
  PageControl1->SetActivePage(page);
  PageControl1Change(PageControl1);
  Show();
}

void TEditorForm::ClosePage(TRichEdit* edit) {
  auto* page = edit ? dynamic_cast<TTabSheet*>(edit->Parent()) : nullptr;
  if (!page || page == TabSheet1) return;  // the first page stays
  const int index = page->PageIndex();
  FFiles.erase(edit);
  page->Free();
  if (PageControl1->PageCount() > 0)
    PageControl1->SetActivePage(PageControl1->Pages(std::min(index, PageControl1->PageCount() - 1)));
  CurrentEditor = ActiveEditor();
}

void TEditorForm::CloseOtherPages() {
  for (int i = PageControl1->PageCount() - 1; i >= 0; --i)
    if (PageControl1->Pages(i) != TabSheet1) ClosePage(EditorOf(PageControl1->Pages(i)));
}

TRichEdit* TEditorForm::EditorOf(const TTabSheet* page) {
  return page && page->ControlCount() > 0 ? dynamic_cast<TRichEdit*>(page->Controls(0)) : nullptr;
}

TRichEdit* TEditorForm::ActiveEditor() const { return EditorOf(PageControl1->ActivePage()); }

TRichEdit* TEditorForm::FindUnitEditor() const {
  const std::string unit = Host ? Host->UnitFileName() : std::string();
  TRichEdit* found = nullptr;
  // A unit's page is captioned without ".pas" and the unit file has it.
  // A form's text shown under its unit's caption is no unit.
  for (int i = 0; i < PageControl1->PageCount(); ++i) {
    TTabSheet* page = PageControl1->Pages(i);
    TRichEdit* edit = EditorOf(page);
    if (!edit || ShowsFormText(edit)) continue;
    if (page->Caption() == unit || page->Caption() + ".pas" == unit || SameText(FileNameOf(edit), unit)) found = edit;
  }
  if (found) return found;
  TRichEdit* active = ActiveEditor();
  return active && !ShowsFormText(active) ? active : nullptr;
}

void TEditorForm::PageControl1Change(TObject*) {
  TTabSheet* page = PageControl1->ActivePage();
  if (!page) return;
  std::string name = page->Caption();
  if (name.find('.') == std::string::npos) name += ".pas";
  SetCaption(name);
  if (Host) Host->SetUnitFileName(name);
  CurrentEditor = EditorOf(page);
}

void TEditorForm::NClosePageClick(TObject*) {
  ClosePage(ActiveEditor());
  if (PageControl1->CanFocus()) PageControl1->SetFocus();
}

void TEditorForm::NReadOnlyClick(TObject*) {
  NReadOnly->SetChecked(!NReadOnly->Checked());
  if (TRichEdit* edit = ActiveEditor()) edit->SetReadOnly(NReadOnly->Checked());
  StatusBar->Panels()->Items(2)->SetText(NReadOnly->Checked() ? "ReadOnly" : "");
}

void TEditorForm::NInsertClick(TObject*) {
  TRichEdit* edit = ActiveEditor();
  if (!edit || !OpenDialog1->Execute() || OpenDialog1->FileName().empty()) return;
  TStringList lines;
  lines.LoadFromFile(OpenDialog1->FileName());
  const int at = std::min(1, edit->Lines()->Count());
  for (int i = lines.Count() - 1; i >= 0; --i) edit->Lines()->Insert(at, lines.Strings(i));
}

void TEditorForm::FormClose(TObject*, TCloseAction& action) {
  for (int i = PageControl1->PageCount() - 1; i >= 0; --i) {
    TRichEdit* edit = EditorOf(PageControl1->Pages(i));
    if (!edit || edit->Perform(EM_GETMODIFY, 0, 0) == 0) continue;
    const int answer = MessageDlg(Format("Save Changes to %s?", {ExtractFileName(PageControl1->Pages(i)->Caption())}),
                                  mtWarning, mbYesNoCancel, 0);
    if (answer == mrCancel) {
      action = caNone;
      return;
    }
    // The page asked about is the one saved; unsaved, it keeps the window open.
    if (answer == mrYes && Host && !Host->SaveFile(FileNameOf(edit))) {
      action = caNone;
      return;
    }
  }
}

void TEditorForm::FormActivate(TObject*) {
  if (Host) Host->EditorActivated();
}

// --- typing

void TEditorForm::RichEdit1KeyUp(TObject*, Word& key, TShiftState shift) {
  if ((key >= 48 && key <= 57) || (key >= 65 && key <= 90) || (key >= 97 && key <= 122)) HighlightWordAtCaret();
  UpdateCaretStatus(key, shift);
}

void TEditorForm::RichEdit1Change(TObject* sender) {
  auto* edit = dynamic_cast<TRichEdit*>(sender);
  if (!edit || edit->Perform(EM_GETMODIFY, 0, 0) == 0) return;
  StatusBar->Panels()->Items(3)->SetText("Modified");
  if (Host) Host->SourceChanged();
}

void TEditorForm::HighlightWordAtCaret() {
  TRichEdit* edit = CurrentEditor;
  if (!edit || !SettingBool("EDITOR", "HighLight", true)) return;
  const int caret = edit->SelStart();
  const int lineIndex = LineOfCaret(edit);
  const std::string line = edit->Lines()->Strings(lineIndex);
  if (line.empty()) return;
  const int col = caret - LineStart(edit, lineIndex);
  // Back from the character before the one just typed to what ends the word.
  int i = col - 1;
  while (i > 0 && !EndsWord(static_cast<unsigned char>(line[static_cast<size_t>(i - 1)]))) --i;
  const size_t from = static_cast<size_t>(std::max(i, 1) - 1);
  if (from >= line.size()) return;
  const std::string word = TrimBlanksAndControls(line.substr(from, static_cast<size_t>(std::max(col, 0))));
  if (!IsReservedWord(word)) return;
  // The selection takes the delimiter in front of the word too.
  edit->SetSelStart(std::max(LineStart(edit, lineIndex) + i - 1, 0));
  edit->SetSelLength(col - i + 1);
  edit->SelAttributes()->SetColor(ReservedWordBlue);
  edit->SetSelStart(caret);
  edit->SetSelLength(0);
  edit->SelAttributes()->SetColor(clBlack);
}

void TEditorForm::UpdateCaretStatus(Word key, TShiftState shift) {
  auto* edit = dynamic_cast<TRichEdit*>(ActiveControl());
  if (!edit) edit = CurrentEditor;
  if (!edit) return;
  const int line = LineOfCaret(edit);
  const int column = edit->SelStart() - LineStart(edit, line) + 1;
  const int count = static_cast<int>(edit->Perform(EM_GETLINECOUNT, 0, 0));
  StatusBar->Panels()->Items(0)->SetText(std::to_string(column) + "Col");
  StatusBar->Panels()->Items(1)->SetText(std::to_string(line) + "/" + std::to_string(count) + "Line");
  const bool ctrl = shift.Contains(ssCtrl);
  if (key == VK_INSERT) {
    InsertMode = !InsertMode;
    if (InsertMode) StatusBar->Panels()->Items(2)->SetText("Insert");
  } else if (key == 'Y' && ctrl) {
    edit->Lines()->Delete(line);
  } else if (key == VK_NEXT && ctrl) {
    edit->Perform(EM_LINESCROLL, 0, count);
  } else if (key == VK_PRIOR && ctrl) {
    edit->Perform(EM_LINESCROLL, 0, -count);
  }
}

// --- the unit source

int TEditorForm::FindEditorLine(const std::string& text) const {
  TRichEdit* edit = FindUnitEditor();
  return edit ? FindLine(*edit->Lines(), text) : 0;
}

void TEditorForm::PlaceCaretBeforeLine(TRichEdit* editor, int line) {
  editor->SetSelStart(std::max(LineStart(editor, line) - 1, 0));
  editor->SetSelLength(0);
}

void TEditorForm::EditComponentField(const std::string& name, const std::string& className, int mode) {
  TRichEdit* edit = FindUnitEditor();
  if (!edit) return;
  if (mode == 0) {
    AddComponentField(*edit->Lines(), name, className);
    // The unit must name where the component's class is declared, or it does not compile.
    AddUnitToUses(*edit->Lines(), ComponentUnitOf(className));
  } else
    RemoveComponentField(*edit->Lines(), name);
}

void TEditorForm::RenameComponentField(const std::string& oldName, const std::string& newName) {
  if (TRichEdit* edit = FindUnitEditor()) editor::RenameComponentField(*edit->Lines(), oldName, newName);
}

std::string TEditorForm::ComponentFieldLines() const {
  const TRichEdit* edit = FindUnitEditor();
  return edit ? editor::ComponentFieldLines(*edit->Lines()) : std::string();
}

void TEditorForm::RestoreComponentFieldLines(const std::string& fields) {
  if (TRichEdit* edit = FindUnitEditor()) editor::RestoreComponentFieldLines(*edit->Lines(), fields);
}

void TEditorForm::FormEdited() {
  TRichEdit* edit = FindUnitEditor();
  if (!edit) return;
  edit->Perform(EM_SETMODIFY, 1, 0);
  RichEdit1Change(edit);
}

void TEditorForm::AddHandler(const std::string& formName, const std::string& handlerText) {
  TRichEdit* edit = FindUnitEditor();
  if (!edit) return;
  const int line = AddHandlerText(*edit->Lines(), formName, handlerText);
  FocusForTyping(edit);
  PlaceCaretBeforeLine(edit, line);
}

void TEditorForm::FocusForTyping(TRichEdit* edit) {
  // The code is what the user wants to see now.
  Show();
  if (edit->CanFocus()) edit->SetFocus();
}

bool TEditorForm::GotoHandler(const std::string& formName, const std::string& handlerText) {
  TRichEdit* edit = FindUnitEditor();
  if (!edit) return true;
  FocusForTyping(edit);
  PlaceCaretBeforeLine(edit, HandlerBodyLine(*edit->Lines(), formName, handlerText));
  return true;
}

bool TEditorForm::HasHandler(const std::string& formName, const std::string& handlerText) const {
  TRichEdit* edit = FindUnitEditor();
  return edit && HasHandlerBody(*edit->Lines(), formName, handlerText);
}

void TEditorForm::SetUnitName(const std::string& fileName) {
  if (TRichEdit* edit = FindUnitEditor()) SetUnitNameText(*edit->Lines(), fileName);
}

}  // namespace korvax::editor
