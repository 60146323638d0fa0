// Searching the editor's text. Targets: a find over a 10 MB unit at over
// 200 MB/s (the match at the end); Replace All of 100,000 matches under 1 s;
// Find in Files over 200 open pages of 1,000 lines under 200 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include <QDir>

#include "ide/designer/catalogue.h"
#include "ide/editor/editorform.h"
#include "ide/editor/editorsearch.h"
#include "ide/editor/searchdialogs.h"
#include "kcl/classes/streams.h"
#include "kcl/components/listitems.h"
#include "kcl/components/listview.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/components/richedit.h"
#include "kcl/controls/application.h"

using namespace kcl;
using namespace korvax::editor;

namespace {

// A unit's lines repeated to about size bytes.
std::string UnitText(size_t size) {
  const std::string line = "  Form1.Caption := IntToStr(Button1.Left + Button1.Top); { a comment }\n";
  std::string text;
  text.reserve(size + line.size());
  while (text.size() < size) text += line;
  return text;
}

struct Page {
  explicit Page(const std::string& text) : Edit(std::make_unique<TRichEdit>(nullptr)) {
    Edit->SetText(text);
    CurrentEditor = Edit.get();
  }
  ~Page() { CurrentEditor = nullptr; }
  std::unique_ptr<TRichEdit> Edit;
};

void BM_FindAtTheEndOf10MB(benchmark::State& state) {
  const std::string text = UnitText(10 << 20) + "TheNeedle\n";
  Page page(text);
  for (auto _ : state) {
    page.Edit->SetSelection(0, 0);
    if (page.Edit->FindText("theneedle", 0, -1, {}) < 0) state.SkipWithError("not found");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FindAtTheEndOf10MB)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll100000(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "x := y;\n";
  korvax::editor::TSearchOptions options;
  options.EntireScope = true;
  options.ReplaceAll = true;
  TApplication::SetMessageBoxHandler([](const std::string&, const std::string&, uint32_t) { return 1; });
  for (auto _ : state) {
    state.PauseTiming();
    Page page(text);
    state.ResumeTiming();
    ReplaceInEditor("y", "zz", options);
  }
}
BENCHMARK(BM_ReplaceAll100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FindInFiles200Pages(benchmark::State& state) {
  korvax::designer::RegisterCatalogueClasses();
  auto* editor = new TEditorForm(nullptr);
  EditorForm = editor;
  std::string unit;
  for (int line = 0; line < 1000; ++line)
    unit += line % 100 == 0 ? "  Needle := 1;\r\n" : "  Form1.Caption := IntToStr(Button1.Left);\r\n";
  const std::string dir = QDir::tempPath().toStdString() + "/korvax-bench-pages/";
  QDir().mkpath(QString::fromStdString(dir));
  for (int page = 0; page < 200; ++page) {
    const std::string file = dir + "Unit" + std::to_string(page) + ".pas";
    SaveBytesToFile(file, unit);
    editor->OpenInEditor(file);
  }
  auto* dialog = new TFindInFile(nullptr);
  for (auto _ : state) {
    dialog->ListView1->Items()->Clear();
    dialog->SearchOpenPages("needle", {});
  }
  if (dialog->ListView1->Items()->Count() != 2000) state.SkipWithError("not every match found");
  dialog->Free();
  EditorForm = nullptr;
  editor->Free();
  QDir(QString::fromStdString(dir)).removeRecursively();
}
BENCHMARK(BM_FindInFiles200Pages)->Unit(benchmark::kMillisecond);

}  // namespace
