// A form file of 1,000 components read into a design form and written back.
// Targets: loading under 100 ms, saving under 50 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <memory>
#include <string>

#include "ide/designer/catalogue.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/rtl/sysutils.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

using FormPtr = std::unique_ptr<TProxyForm, TObjectFree>;

// A form file of 900 buttons and 100 timers, written by the designer itself.
struct FormFile {
  FormFile() {
    RegisterDesignerClasses();
    FormPtr form(CreateDesignForm("Form1.dfm", "Unit1.pas", Palette));
    for (int i = 0; i < 1000; ++i) {
      const TClass cls = i % 10 == 9 ? &TTimer::StaticClass() : &TButton::StaticClass();
      form->ProxyDesigner()->CreateComponent(cls, form.get(), 8 + (i % 20) * 30, 8 + (i / 20) * 8, 25, 8);
    }
    WriteFormFile(*form, Name);
  }
  ~FormFile() { DeleteFile(Name); }
  TPaletteChoice Palette;
  const std::string Name = (QDir::tempPath() + "/korvax-bench-form.dfm").toStdString();
};

void BM_LoadFormOf1000Components(benchmark::State& state) {
  FormFile file;
  for (auto _ : state) {
    std::string error;
    FormPtr form(LoadFormFile(file.Name, file.Palette, error));
    QCoreApplication::processEvents();  // the form reaches the screen
    state.PauseTiming();
    if (!error.empty()) state.SkipWithError(error.c_str());
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadFormOf1000Components)->Unit(benchmark::kMillisecond);

void BM_SaveFormOf1000Components(benchmark::State& state) {
  FormFile file;
  std::string error;
  FormPtr form(LoadFormFile(file.Name, file.Palette, error));
  for (auto _ : state) WriteFormFile(*form, file.Name);
}
BENCHMARK(BM_SaveFormOf1000Components)->Unit(benchmark::kMillisecond);

}  // namespace
