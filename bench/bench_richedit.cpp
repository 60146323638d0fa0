// TRichEdit::Lines->LoadFromStream of a large highlighted unit, into a rich edit
// shown on a form as the source editor's is.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "kcl/classes/streams.h"
#include "kcl/components/richedit.h"
#include "kcl/controls/form.h"

using namespace kcl;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_richedit";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

// The document the highlighter writes for lines of statements, a comment and a
// string on each.
std::string HighlightedUnit(int lines) {
  std::string rtf =
      R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fswiss MS SansSerif;}{\f1\froman\fcharset2 Symbol;}{\f2\fmodern Courier New;}})"
      "\r\n{\\colortbl";
  for (int i = 0; i < 11; ++i) rtf += R"(\red0\green0\blue)" + std::to_string(i * 20) + ";";
  rtf += "}\r\n\\deflang1033\\pard\\plain\\f2\\fs20 ";
  for (int i = 0; i < lines; ++i)
    rtf += R"({\cf7   }{\b \cf5 if}{\cf7  }{\cf4 Count}{\cf9 >}{\cf6 )" + std::to_string(i) +
           R"(}{\cf7  }{\b \cf5 then}{\cf7  }{\cf4 S}{\cf9 :=}{\cf8 'line'}{\cf9 ;}{\cf7  }{\i \cf1 \{ note \}})"
           "\r\n\\par ";
  return rtf + "\r\n\\par }{\r";
}

void BM_RichEditLoadHighlightedUnit(benchmark::State& state) {
  App();
  const std::string rtf = HighlightedUnit(static_cast<int>(state.range(0)));
  std::unique_ptr<TForm, TObjectFree> form(new TForm(nullptr));
  auto* edit = new TRichEdit(form.get());
  edit->SetParent(form.get());
  for (auto _ : state) {
    TStringStream stream(rtf);
    edit->Lines()->LoadFromStream(stream);
    benchmark::DoNotOptimize(edit->GetTextLen());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_RichEditLoadHighlightedUnit)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
