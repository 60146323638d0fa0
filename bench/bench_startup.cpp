// Start-up: from starting the korvax program to its main window shown, on the
// offscreen platform (the program quits at once when KORVAX_QUIT_WHEN_SHOWN is
// set); and the part of it that grows with the catalogue, building the palette.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "ide/designer/catalogue.h"
#include "ide/designer/palette.h"
#include "ide/shell/mainform.h"
#include "kcl/components/pagecontrol.h"

namespace {

void BM_StartUntilMainWindowShown(benchmark::State& state) {
  const std::string command = "QT_QPA_PLATFORM=offscreen KORVAX_QUIT_WHEN_SHOWN=1 " KORVAX_EXE " >/dev/null 2>&1";
  for (auto _ : state) {
    const int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("korvax did not start");
  }
}
BENCHMARK(BM_StartUntilMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_BuildPalette(benchmark::State& state) {
  korvax::designer::RegisterCatalogueClasses();
  for (auto _ : state) {
    std::unique_ptr<kcl::TForm, kcl::TObjectFree> form(new kcl::TForm(nullptr));
    auto* pages = new kcl::TPageControl(form.get());
    pages->SetParent(form.get());
    for (int i = 0; i < korvax::designer::PalettePageCount; ++i) {
      auto* sheet = new kcl::TTabSheet(form.get());
      sheet->SetPageControl(pages);
    }
    korvax::designer::BuildPalette(*form, *pages);
  }
}
BENCHMARK(BM_BuildPalette)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
