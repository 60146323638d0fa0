#include "ide/editor/searchdialogs.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "ide/common/environment.h"
#include "ide/common/layouts.h"
#include "ide/common/texthistory.h"
#include "ide/editor/editorform.h"
#include "ide/fpcbuild/fpcbuild.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/components/animate.h"
#include "kcl/components/buttons.h"
#include "kcl/components/combobox.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/listview.h"
#include "kcl/components/richedit.h"
#include "kcl/components/stdctrls.h"
#include "kcl/desktop/cp1252.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::editor {

using namespace kcl;

KCL_CLASS_INFO(TSearchDialog) {
  using T = TSearchDialog;
  cls.field("cbSearch", &T::cbSearch);
  cls.field("chkMatchCase", &T::chkMatchCase);
  cls.field("chkWholeWord", &T::chkWholeWord);
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.method("FormActivate", &T::FormActivate);
}

KCL_CLASS_INFO(TFindDialogBase) {
  using T = TFindDialogBase;
  cls.field("chkDown", &T::chkDown);
  cls.field("chkUp", &T::chkUp);
  cls.field("chkEntire", &T::chkEntire);
  cls.field("chkSelect", &T::chkSelect);
  cls.field("chkCursor", &T::chkCursor);
  cls.field("chkFirst", &T::chkFirst);
}

KCL_CLASS_INFO(TSearch) {
  using T = TSearch;
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("cbSearchKeyPress", &T::cbSearchKeyPress);
}

KCL_CLASS_INFO(TReplace) {
  using T = TReplace;
  cls.field("cbReplace", &T::cbReplace);
  cls.field("chkPrompt", &T::chkPrompt);
  cls.field("btnAll", &T::btnAll);
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("btnAllClick", &T::btnAllClick);
  cls.method("cbSearchKeyPress", &T::cbSearchKeyPress);
  cls.method("cbReplaceKeyPress", &T::cbReplaceKeyPress);
}

KCL_CLASS_INFO(TFindInFile) {
  using T = TFindInFile;
  cls.field("rbOpenPages", &T::rbOpenPages);
  cls.field("rbProjectDirectory", &T::rbProjectDirectory);
  cls.field("Animate1", &T::Animate1);
  cls.field("ListView1", &T::ListView1);
  cls.method("OKButtonClick", &T::OKButtonClick);
  cls.method("cbSearchKeyPress", &T::cbSearchKeyPress);
  cls.method("ListView1DblClick", &T::ListView1DblClick);
}

namespace {

constexpr char Enter = '\r';

// A file's text as the editor holds it: one character for a line break; a form
// file in its text form.
std::string EditorTextOf(const std::filesystem::path& file) {
  std::string bytes = LoadBytesFromFile(file.string());
  if (SameText(file.extension().string(), ".dfm") && !bytes.empty() &&
      (static_cast<unsigned char>(bytes[0]) == 0xFF || bytes.starts_with("TPF0"))) {
    TStringStream in(bytes);
    TStringStream out;
    if (bytes.starts_with("TPF0")) ObjectBinaryToText(in, out);
    else ObjectResourceToText(in, out);
    bytes = out.DataString();
  }
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i)
    if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text += bytes[i] == '\r' ? '\n' : bytes[i];
  return text;
}

std::string LineAt(std::string_view text, size_t at) {
  const size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t first = start == std::string_view::npos || at == 0 ? 0 : start + 1;
  const size_t end = text.find('\n', at);
  return std::string(text.substr(first, (end == std::string_view::npos ? text.size() : end) - first));
}

}  // namespace

// --- TSearchDialog

void TSearchDialog::FormActivate(TObject*) {
  if (cbSearch->CanFocus()) cbSearch->SetFocus();
}

TSearchTypes TSearchDialog::Types() const {
  TSearchTypes types;
  if (chkWholeWord->Checked()) types.Include(stWholeWord);
  if (chkMatchCase->Checked()) types.Include(stMatchCase);
  return types;
}

TSearchOptions TFindDialogBase::Options() const {
  TSearchOptions options;
  options.Types = Types();
  options.Backward = chkUp->Checked();
  options.SelectedOnly = chkSelect->Checked();
  options.EntireScope = chkFirst->Checked();
  return options;
}

// --- TSearch

TSearch::TSearch(TComponent* owner) : TFindDialogBase(owner) {
  LoadFromLayout(LayoutText("Search"));
  LoadTextHistory("FindText", *cbSearch->Items());
}

void TSearch::OKButtonClick(TObject*) { AddFindTextHistory(cbSearch->Text()); }

void TSearch::cbSearchKeyPress(TObject*, char& key) {
  if (key != Enter) return;
  key = 0;
  OKButtonClick(this);
  SetModalResult(mrOk);
}

// --- TReplace

TReplace::TReplace(TComponent* owner) : TFindDialogBase(owner) {
  LoadFromLayout(LayoutText("Replace"));
  LoadTextHistory("FindText", *cbSearch->Items());
  if (cbSearch->Items()->Count() > 0) LoadTextHistory("ReplaceText", *cbReplace->Items());
}

TSearchOptions TReplace::ReplaceOptions() const {
  TSearchOptions options = Options();
  options.ReplaceAll = FReplaceAllPressed;
  options.Prompt = chkPrompt->Checked();
  return options;
}

void TReplace::OKButtonClick(TObject*) {
  AddFindTextHistory(cbSearch->Text());
  AddReplaceTextHistory(cbReplace->Text());
}

void TReplace::btnAllClick(TObject*) {
  FReplaceAllPressed = true;
  SetModalResult(mrOk);
  OKButtonClick(this);
}

void TReplace::cbSearchKeyPress(TObject*, char& key) {
  if (key != Enter) return;
  key = 0;
  if (cbReplace->CanFocus()) cbReplace->SetFocus();
}

void TReplace::cbReplaceKeyPress(TObject*, char& key) {
  if (key != Enter) return;
  key = 0;
  SetModalResult(mrOk);
}

// --- TFindInFile

TFindInFile::TFindInFile(TComponent* owner) : TSearchDialog(owner) {
  LoadFromLayout(LayoutText("FindInFile"));
  SetHeight(ClosedHeight);
  LoadTextHistory("FindText", *cbSearch->Items());
}

void TFindInFile::OKButtonClick(TObject*) {
  const std::string text = cbSearch->Text();
  AddFindTextHistory(text);
  SetHeight(OpenHeight);
  ListView1->Items()->Clear();
  Animate1->SetActive(true);
  ListView1->SetVisible(true);
  if (rbProjectDirectory->Checked())
    SearchProjectDirectory(text, Types());
  else
    SearchOpenPages(text, Types());
  Animate1->SetActive(false);
}

void TFindInFile::cbSearchKeyPress(TObject*, char& key) {
  if (key != Enter) return;
  key = 0;
  OKButtonClick(this);
}

void TFindInFile::AddRow(const std::string& caption, int position, const std::string& line) {
  TListItem* row = ListView1->Items()->Add();
  row->SetCaption(caption);
  row->SubItems()->Add(std::to_string(position));
  row->SubItems()->Add(line);
}

void TFindInFile::SearchOpenPages(const std::string& text, TSearchTypes types) {
  if (!EditorForm) return;
  ListView1->Items()->BeginUpdate();
  for (int i = 0; i < EditorForm->PageControl1->PageCount(); ++i) {
    TTabSheet* page = EditorForm->PageControl1->Pages(i);
    TRichEdit* edit = TEditorForm::EditorOf(page);
    if (!edit) continue;
    const int length = edit->GetTextLen();
    for (int match = edit->FindText(text, 0, length, types); match >= 0;
         match = edit->FindText(text, match + 1, length - match - 1, types))
      AddRow(page->Caption(), match, edit->Lines()->Strings(edit->LineFromChar(match)));
  }
  ListView1->Items()->EndUpdate();
}

void TFindInFile::SearchProjectDirectory(const std::string& text, TSearchTypes types) {
  namespace fs = std::filesystem;
  if (text.empty() || ProjectDir.empty()) return;
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(ProjectDir, error), end; !error && it != end; it.increment(error)) {
    // Not the copies the Free Pascal build keeps, nor what hidden folders hold.
    const std::string name = it->path().filename().string();
    if (it->is_directory(error) && (name == fpcbuild::BuildFolderName || name.starts_with('.'))) {
      it.disable_recursion_pending();
      continue;
    }
    const std::string extension = LowerCase(it->path().extension().string());
    if (it->is_regular_file(error) && (extension == ".pas" || extension == ".dpr" || extension == ".dfm"))
      files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  const QString what = cp1252::Decode(text);
  ListView1->Items()->BeginUpdate();
  for (const fs::path& file : files) {
    std::string content;
    try {
      content = EditorTextOf(file);
    } catch (const Exception&) {
      continue;  // unreadable, or a damaged form
    }
    const std::string caption = fs::relative(file, ProjectDir, error).string();
    // One character a byte: positions in the decoded text are the file text's.
    const QString decoded = cp1252::Decode(content);
    const int end = static_cast<int>(decoded.size());
    for (int at = FindTextIn(decoded, what, 0, end, types); at >= 0; at = FindTextIn(decoded, what, at + 1, end, types))
      AddRow(caption, at, LineAt(content, static_cast<size_t>(at)));
  }
  ListView1->Items()->EndUpdate();
}

void TFindInFile::ListView1DblClick(TObject*) {
  TListItem* row = ListView1->Selected();
  if (!row || !EditorForm) return;
  const int position = StrToIntDef(row->SubItems()->Strings(0), 0);
  const int length = static_cast<int>(cbSearch->Text().size());
  const auto show = [&](TRichEdit* edit) {
    EditorForm->ShowPage(edit);
    if (edit->CanFocus()) edit->SetFocus();
    edit->SetSelection(position, position + length);
  };
  bool shown = false;
  for (int i = 0; i < EditorForm->PageControl1->PageCount(); ++i) {
    TTabSheet* page = EditorForm->PageControl1->Pages(i);
    if (page->Caption() != row->Caption()) continue;
    if (TRichEdit* edit = TEditorForm::EditorOf(page)) {
      show(edit);
      shown = true;
    }
  }
  // A file found on disk that no page shows opens at the match; a form file as its
  // text, as View as Text shows it.
  const std::string file = (std::filesystem::path(ProjectDir) / row->Caption()).string();
  if (shown || ProjectDir.empty() || !FileExists(file)) return;
  if (!SameText(ExtractFileExt(file), ".dfm")) {
    if (TRichEdit* edit = EditorForm->OpenInEditor(file)) show(edit);
    return;
  }
  SaveBytesToFile(FormTextFile(), EditorTextOf(file));
  if (TRichEdit* edit = EditorForm->OpenInEditor(FormTextFile())) {
    if (auto* page = dynamic_cast<TTabSheet*>(edit->Parent())) page->SetCaption(row->Caption());
    show(edit);
  }
}

}  // namespace korvax::editor
