// The design form with many components: placing them, selecting all of them,
// and one step of moving a large selection. Targets: 1,000 placements under
// 100 ms in all, selecting 1,000 under 50 ms, one step of a drag of 100 controls
// under 2 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "ide/designer/catalogue.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/components/stdctrls.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

struct DesignForm {
  DesignForm() {
    RegisterDesignerClasses();
    Form.reset(CreateDesignForm("Form1.dfm", "Unit1.pas", Palette));
  }
  TProxyDesigner& Designer() const { return *Form->ProxyDesigner(); }
  // Places count buttons in rows of 20.
  void Place(int count) const {
    for (int i = 0; i < count; ++i)
      Designer().CreateComponent(&TButton::StaticClass(), Form.get(), 8 + (i % 20) * 30, 8 + (i / 20) * 8, 25, 8);
  }
  TPaletteChoice Palette;
  std::unique_ptr<TProxyForm, TObjectFree> Form;
};

void BM_Place1000Components(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    DesignForm design;
    state.ResumeTiming();
    design.Place(1000);
    QCoreApplication::processEvents();  // the form reaches the screen
    state.PauseTiming();
    design.Form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Place1000Components)->Unit(benchmark::kMillisecond);

void BM_Select1000Components(benchmark::State& state) {
  DesignForm design;
  design.Place(1000);
  std::vector<TControl*> controls;
  for (int i = 0; i < design.Form->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TButton*>(design.Form->Components(i))) controls.push_back(button);
  for (auto _ : state) {
    design.Designer().MultiSelect = false;
    design.Designer().ClearSelection();
    design.Designer().MultiSelect = true;
    for (TControl* control : controls) design.Designer().SelectComponent(control);
    QCoreApplication::processEvents();  // the handles reach the screen
    benchmark::DoNotOptimize(design.Designer().Selection.size());
  }
}
BENCHMARK(BM_Select1000Components)->Unit(benchmark::kMillisecond);

void BM_DragStepOf100Controls(benchmark::State& state) {
  DesignForm design;
  design.Place(100);
  design.Designer().ClearSelection();
  design.Designer().MultiSelect = true;
  for (int i = 0; i < design.Form->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TButton*>(design.Form->Components(i))) design.Designer().SelectComponent(button);
  design.Designer().MultiSelect = false;
  design.Form->BeginDrag({10, 10});
  int step = 0;
  for (auto _ : state) {
    ++step;
    design.Form->DragTo({10 + 6 * (step % 2), 10});
    QCoreApplication::processEvents();  // the outlines reach the screen
  }
  design.Form->EndDrag(design.Form->DownPoint);
}
BENCHMARK(BM_DragStepOf100Controls)->Unit(benchmark::kMicrosecond);

}  // namespace
