// A large highlighted unit in a rich edit on a shown form laid out as the source
// editor's: loading it (Lines->LoadFromStream and the first paint, while the rest
// of the formatting is read on another thread), the time until all of it is
// formatted, and one typed key with the editor's typing highlight and caret
// status. Targets: 100,000 lines show under 1 s, a key under 2 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <memory>
#include <string>

#include "kcl/classes/streams.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/richedit.h"
#include "kcl/controls/form.h"

using namespace kcl;

namespace {

// Colour tables of the highlighter's documents: every kind in a colour of its own,
// or kinds sharing black as with the usual settings.
enum TColorScheme { csDistinct, csShared };

std::string ColorTable(TColorScheme scheme) {
  if (scheme == csShared)
    return R"(\red0\green0\blue0;\red0\green0\blue128;\red0\green0\blue0;\red0\green0\blue0;)"
           R"(\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;\red0\green0\blue0;)"
           R"(\red0\green128\blue0;\red0\green0\blue0;\red0\green0\blue0;)";
  std::string table;
  for (int i = 0; i < 11; ++i) table += R"(\red0\green0\blue)" + std::to_string(i * 20) + ";";
  return table;
}

// The document the highlighter writes for lines of statements, a comment and a
// string on each.
std::string HighlightedUnit(int lines, TColorScheme scheme = csDistinct) {
  std::string rtf =
      R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS SansSerif;}{\f1\froman\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
      "\r\n{\\colortbl" +
      ColorTable(scheme);
  rtf += "}\r\n\\deflang1033\\pard\\plain\\f2\\fs20 ";
  for (int i = 0; i < lines; ++i)
    rtf += R"({\cf7   }{\b \cf5 if}{\cf7  }{\cf4 Count}{\cf9 >}{\cf6 )" + std::to_string(i) +
           R"(}{\cf7  }{\b \cf5 then}{\cf7  }{\cf4 S}{\cf9 :=}{\cf8 'line'}{\cf9 ;}{\cf7  }{\i \cf1 \{ note \}})"
           "\r\n\\par ";
  return rtf + "\r\n\\par }{\r";
}

// A shown form with a rich edit as the source editor has it.
struct TEditorForm {
  TEditorForm() : Form(new TForm(nullptr)) {
    Form->SetBounds(0, 0, 600, 400);
    Edit = new TRichEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetAlign(alClient);
    Edit->SetScrollBars(ssBoth);
    Edit->SetWordWrap(false);
    Form->Show();
    QCoreApplication::processEvents();
  }
  void Load(const std::string& rtf) const {
    TStringStream stream(rtf);
    Edit->Lines()->LoadFromStream(stream);
  }
  std::unique_ptr<TForm, TObjectFree> Form;
  TRichEdit* Edit;
};

void BM_RichEditLoadHighlightedUnit(benchmark::State& state) {
  const std::string rtf = HighlightedUnit(static_cast<int>(state.range(0)), static_cast<TColorScheme>(state.range(1)));
  TEditorForm editor;
  for (auto _ : state) {
    editor.Load(rtf);
    QCoreApplication::processEvents();  // the first page reaches the screen
    benchmark::DoNotOptimize(editor.Edit->GetTextLen());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_RichEditLoadHighlightedUnit)
    ->ArgsProduct({{10000, 100000}, {csDistinct, csShared}})
    ->ArgNames({"lines", "shared"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Until the document with all its formatting is shown: no target, for the record.
void BM_RichEditLoadHighlightedUnitCompletely(benchmark::State& state) {
  const std::string rtf = HighlightedUnit(static_cast<int>(state.range(0)));
  TEditorForm editor;
  for (auto _ : state) {
    editor.Load(rtf);
    QCoreApplication::processEvents();
    editor.Edit->CompleteLoad();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(editor.Edit->GetTextLen());
  }
}
BENCHMARK(BM_RichEditLoadHighlightedUnitCompletely)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void SendKey(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &release);
}

// Types a letter after the word "Count" in the middle of the unit and takes it
// back with Backspace, in turn; after each key the editor reads the caret's line,
// recolours the word before the caret, puts the caret back with the typing colour,
// and shows the caret's line and column and the line count.
void BM_RichEditKeyInLargeUnit(benchmark::State& state) {
  TEditorForm editor;
  TRichEdit* edit = editor.Edit;
  editor.Load(HighlightedUnit(static_cast<int>(state.range(0))));
  edit->CompleteLoad();
  const int line = edit->LineCount() / 2;
  const int wordStart = edit->LineIndex(line) + 5;  // "Count" in "  if Count>"
  edit->SetSelStart(wordStart + 5);
  edit->Editor()->setFocus();
  QCoreApplication::processEvents();
  int64_t status = 0;
  bool typed = false;
  for (auto _ : state) {
    if (typed)
      SendKey(edit->Editor(), Qt::Key_Backspace, QString());
    else
      SendKey(edit->Editor(), Qt::Key_X, QStringLiteral("x"));
    typed = !typed;
    const int caret = edit->SelStart();
    const auto caretLine = static_cast<int>(edit->Perform(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1), 0));
    status += static_cast<int64_t>(edit->Lines()->Strings(caretLine).size());
    edit->SetSelStart(wordStart);
    edit->SetSelLength(caret - wordStart);
    edit->SelAttributes()->SetColor(typed ? clRed : clBlue);
    edit->SetSelStart(caret);
    edit->SetSelLength(0);
    edit->SelAttributes()->SetColor(clWindowText);
    const intptr_t column = caret - edit->Perform(EM_LINEINDEX, static_cast<uintptr_t>(caretLine), 0);
    status += caretLine + column + edit->Perform(EM_GETLINECOUNT, 0, 0);
    QCoreApplication::processEvents();  // the line repainted
  }
  benchmark::DoNotOptimize(status);
}
BENCHMARK(BM_RichEditKeyInLargeUnit)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
