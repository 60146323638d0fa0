#pragma once
// A design form with the object inspector following its designer, and the
// inspector's rows found by property name.
#include <string>

#include "ide/designer/proxydesigner.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "support/designform.h"
#include "support/windowtest.h"

namespace korvax::test {

class InspectorTest : public DesignFormTest {
protected:
  void SetUp() override {
    DesignFormTest::SetUp();
    Inspector = MakeWindow<inspector::TObjectInspector>();
    Inspector->Show();
    designer::CurrentDesigner = Designer();
    Designer()->AddListener(Inspector.get());
  }
  void TearDown() override {
    Designer()->RemoveListener(Inspector.get());
    Inspector.reset();
    DesignFormTest::TearDown();
  }

  // The row of a property (its "+" or "-" aside), -1 when not listed.
  int RowIndex(const std::string& name) const {
    kcl::TStrings* rows = Inspector->PropertyBox->Items();
    for (int i = 0; i < rows->Count(); ++i) {
      std::string rowName = inspector::RowName(rows->Strings(i));
      if (rowName.starts_with("+") || rowName.starts_with("-")) rowName.erase(0, 1);
      if (rowName == name) return i;
    }
    return -1;
  }
  std::string Row(const std::string& name) const {
    const int index = RowIndex(name);
    return index < 0 ? "" : Inspector->PropertyBox->Items()->Strings(index);
  }
  // Selects a property's row as a click does.
  void SelectRow(const std::string& name) {
    const int index = RowIndex(name);
    ASSERT_GE(index, 0) << name;
    Inspector->PropertyBox->SetItemIndex(index);
    Inspector->PropertyBoxClick(Inspector->PropertyBox);
  }
  // The component list's selected entry.
  std::string ChosenEntry() const {
    const int index = Inspector->ComponentList->ItemIndex();
    return index < 0 ? "" : Inspector->ComponentList->Items()->Strings(index);
  }

  WindowPtr<inspector::TObjectInspector> Inspector;
};

}  // namespace korvax::test
