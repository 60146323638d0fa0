// Undo and redo on a design form: a paste of 500 components taken back and
// made again. Target: each under 100 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "ide/designer/catalogue.h"
#include "ide/designer/componentclipboard.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

using FormPtr = std::unique_ptr<TProxyForm, TObjectFree>;

// A design form with 500 components pasted at once (450 buttons, 50 timers).
struct PastedForm {
  PastedForm() : Form((RegisterDesignerClasses(), CreateDesignForm("Form1.dfm", "Unit1.pas", Palette))) {
    TProxyDesigner& designer = *Form->ProxyDesigner();
    designer.MultiSelect = true;
    for (int i = 0; i < 500; ++i) {
      const TClass cls = i % 10 == 9 ? &TTimer::StaticClass() : &TButton::StaticClass();
      TComponent* placed = designer.CreateComponent(cls, Form.get(), 8 + (i % 20) * 30, 8 + (i / 20) * 8, 25, 8);
      designer.SelectComponent(placed);
    }
    designer.MultiSelect = false;
    CopySelection(designer);
    designer.SelectAll();
    designer.DeleteSelection();
    PasteComponents(designer);
    QCoreApplication::processEvents();
  }
  TPaletteChoice Palette;
  FormPtr Form;
};

void BM_UndoAPasteOf500(benchmark::State& state) {
  PastedForm pasted;
  TProxyDesigner& designer = *pasted.Form->ProxyDesigner();
  for (auto _ : state) {
    designer.Undo();
    QCoreApplication::processEvents();
    state.PauseTiming();
    designer.Redo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoAPasteOf500)->Unit(benchmark::kMillisecond);

void BM_RedoAPasteOf500(benchmark::State& state) {
  PastedForm pasted;
  TProxyDesigner& designer = *pasted.Form->ProxyDesigner();
  for (auto _ : state) {
    state.PauseTiming();
    designer.Undo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    designer.Redo();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_RedoAPasteOf500)->Unit(benchmark::kMillisecond);

}  // namespace
