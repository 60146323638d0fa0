// Undo and redo of the design form from the Edit menu: a long script of mixed
// operations undone step by step gives back every form and unit text it passed
// through, and redone gives them again.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "ide/shell/mainwindows.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"

namespace korvax {
namespace {

using namespace kcl;

class DesignUndo : public test::MainWindowTest {
protected:
  static designer::TProxyForm* Form() { return FMainForm->CurrentDesignForm; }
  static designer::TProxyDesigner* Designer() { return Form()->ProxyDesigner(); }
  static std::string State() {
    return designer::FormText(*Form()) + "----\r\n" + EditorForm->RichEdit1->Lines()->Text();
  }
  // The form's design controls: its controls and the wrappers of the others.
  static std::vector<TControl*> DesignControls() {
    std::vector<TControl*> controls;
    for (int i = 0; i < Form()->ComponentCount(); ++i)
      if (auto* control = dynamic_cast<TControl*>(Form()->Components(i))) controls.push_back(control);
    return controls;
  }
  static void Select(const std::vector<TControl*>& controls) {
    Designer()->ClearSelection();
    Designer()->MultiSelect = true;
    for (TControl* control : controls) Designer()->SelectComponent(control);
    Designer()->MultiSelect = false;
  }
  // Types value into the inspector's row of property, as the user does.
  static void TypeProperty(const std::string& property, const std::string& value) {
    TStrings* rows = ObjectInspector->PropertyBox->Items();
    int row = 0;
    while (row < rows->Count() && inspector::RowName(rows->Strings(row)) != property) ++row;
    ASSERT_LT(row, rows->Count()) << property;
    ObjectInspector->PropertyBox->SetItemIndex(row);
    ObjectInspector->PropertyBoxClick(ObjectInspector->PropertyBox);
    Word key = 'X';
    ObjectInspector->PropertyBoxKeyDown(ObjectInspector->PropertyBox, key, {});
    ObjectInspector->edProperty->SetText(value);
    char enter = '\r';
    ObjectInspector->edPropertyKeyPress(ObjectInspector->edProperty, enter);
  }
  static void Inspect(TControl* control) {
    auto* wrapper = dynamic_cast<designer::TWrapperControl*>(control);
    Designer()->InspectComponent(wrapper, wrapper ? wrapper->Component : control);
  }
  // The design form is the active window, as after a click on it.
  static void ActivateForm() {
    Form()->OnDesignActivate(*Form());
  }
};

TEST_F(DesignUndo, FiftyMixedOperationsUndoneAndRedoneStepByStep) {
  ActivateForm();
  std::mt19937 random(7);
  const auto pick = [&random](size_t count) { return static_cast<size_t>(random() % count); };
  std::vector<std::string> states{State()};
  for (int step = 0; step < 50; ++step) {
    std::vector<TControl*> controls = DesignControls();
    const size_t operation = controls.size() < 3 ? pick(3) : pick(13);
    TControl* some = controls.empty() ? nullptr : controls[pick(controls.size())];
    const int x = 8 + static_cast<int>(pick(300)), y = 8 + static_cast<int>(pick(200));
    switch (operation) {
      case 0: Designer()->PlaceComponent(&TButton::StaticClass(), nullptr, TPoint{x, y}); break;
      case 1: Designer()->PlaceComponent(&TTimer::StaticClass(), nullptr, TPoint{x, y}); break;
      case 2: Designer()->PlaceComponent(&TPanel::StaticClass(), nullptr, TPoint{x, y}); break;
      case 3:
        Select({some});
        Form()->DragRects->Item(1) = TRect{x, y, x + some->Width(), y + some->Height()};
        Designer()->SelectionMoved();
        break;
      case 4: Designer()->ControlResized(some, TRect{some->Left(), some->Top(), some->Left() + x / 3 + 5, some->Top() + y / 3 + 5}); break;
      case 5:
        Select({controls[0], controls[1], controls[2]});
        Designer()->AlignSelection(designer::TAlignMode::Centers, designer::TAlignMode::Start);
        break;
      case 6:
        Select({controls[1], controls[2]});
        Designer()->SizeSelection(designer::TSizeMode::Grow, 0, designer::TSizeMode::Absolute, 30);
        break;
      case 7: Designer()->ScaleComponents(pick(2) ? 120 : 80); break;
      case 8:
        Select({some});
        Form()->CurrentControl = some;
        Designer()->MoveCurrentInZOrder(pick(2) == 0);
        break;
      case 9:
        Inspect(some);
        TypeProperty("Name", "Renamed" + std::to_string(step));
        break;
      case 10:
        if (dynamic_cast<designer::TWrapperControl*>(some)) Designer()->InspectComponent(nullptr, Form());
        else Inspect(some);
        TypeProperty("Tag", std::to_string(step + 1));
        break;
      case 11:
        Select({some});
        MenuItem("EditCutItem")->Click();
        break;
      default:
        Select({some});
        designer::CopySelection(*Designer());
        designer::PasteComponents(*Designer());
        break;
    }
    if (State() != states.back()) states.push_back(State());
  }
  ASSERT_GT(states.size(), 40u);
  for (size_t k = states.size() - 1; k > 0; --k) {
    MenuItem("EditUndoItem")->Click();
    ASSERT_EQ(State(), states[k - 1]) << "undo back to state " << k - 1;
  }
  for (size_t k = 1; k < states.size(); ++k) {
    MenuItem("EditRedoItem")->Click();
    ASSERT_EQ(State(), states[k]) << "redo to state " << k;
  }
}

}  // namespace
}  // namespace korvax
