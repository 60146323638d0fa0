// The object inspector filling its rows. Targets: a component with 100 published
// properties inspected under 5 ms; switching between two controls 1,000 times
// under 2 s.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "ide/designer/catalogue.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/inspector/objectinspector.h"
#include "kcl/components/stdctrls.h"
#include "kcl/rtl/sysutils.h"

using namespace kcl;
using namespace korvax;

namespace {

// A component class with 100 published integer properties.
TClass WideClass() {
  static const TClass cls = [] {
    TClass wide = TClassInfo::CreateRuntimeClass("TWideComponent", &TComponent::StaticClass());
    const TTypeInfo* integer = MakeOrdinalType(tkInteger, "Integer", otSLong, INT32_MIN, INT32_MAX);
    for (int i = GetPropCount(&TComponent::StaticClass(), tkAny); i < 100; ++i) {
      auto prop = std::make_unique<TPropInfo>();
      prop->Name = Format("Value%.3d", {i});
      prop->PropType = integer;
      prop->GetOrd = [i](const TObject*) -> int64_t { return i; };
      prop->SetOrd = [](TObject*, int64_t) {};
      const_cast<TClassInfo*>(wide)->AddProp(std::move(prop));
    }
    return wide;
  }();
  return cls;
}

using InspectorPtr = std::unique_ptr<inspector::TObjectInspector, TObjectFree>;

InspectorPtr NewInspector() {
  designer::RegisterDesignerClasses();
  InspectorPtr inspector(new inspector::TObjectInspector(nullptr));
  inspector->Show();
  return inspector;
}

void BM_Inspect100Properties(benchmark::State& state) {
  InspectorPtr inspector = NewInspector();
  std::unique_ptr<TComponent, TObjectFree> wide(new TComponent(nullptr));
  wide->SetClassType(WideClass());
  for (auto _ : state) {
    inspector->InspectComponent(nullptr, wide.get());
    QCoreApplication::processEvents();  // the rows reach the screen
  }
  state.counters["rows"] = inspector->PropertyBox->Items()->Count();
}
BENCHMARK(BM_Inspect100Properties)->Unit(benchmark::kMillisecond);

void BM_Switch1000Times(benchmark::State& state) {
  InspectorPtr inspector = NewInspector();
  designer::TPaletteChoice palette;
  std::unique_ptr<designer::TProxyForm, TObjectFree> form(designer::CreateDesignForm("Form1.dfm", "Unit1.pas", palette));
  designer::TProxyDesigner& designer = *form->ProxyDesigner();
  designer::CurrentDesigner = &designer;
  designer.AddListener(inspector.get());
  TComponent* first = designer.CreateComponent(&TButton::StaticClass(), form.get(), 10, 10, 75, 25);
  TComponent* second = designer.CreateComponent(&TEdit::StaticClass(), form.get(), 10, 50, 0, 0);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) designer.InspectComponent(nullptr, i % 2 ? first : second);
    QCoreApplication::processEvents();
  }
  designer.RemoveListener(inspector.get());
}
BENCHMARK(BM_Switch1000Times)->Unit(benchmark::kMillisecond);

}  // namespace
