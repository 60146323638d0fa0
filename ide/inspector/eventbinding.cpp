// From an event row to its handler in the unit: a double-click makes the
// handler (declared in the form class, with an empty body) and binds it to the
// event, or goes to the handler the event already has; the row's list binds a
// handler the form has already.
#include <QAbstractItemView>
#include <QComboBox>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/inspector/objectinspector.h"
#include "ide/inspector/propertyrows.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::inspector {

using namespace kcl;

void TObjectInspector::edEventDblClick(TObject*) {
  const int index = EventBox->ItemIndex();
  editor::TEditorForm* source = editor::EditorForm;
  if (index < 0 || !source || !FEditor || !FComponent || !designer::CurrentDesigner) return;
  const std::string row = EventBox->Items()->Strings(index);
  // A bound event goes to its handler; an unbound one gets Component + Event.
  std::string handler = FEditor->GetValue();
  if (handler.empty()) handler = Trim(FComponent->Name() + (row.size() > 2 ? row.substr(2, 18) : ""));
  const std::string handlerText = handler + "(" + MethodParamsText(*GetTypeData(FEditor->GetPropType())) + ");";
  const std::string formName = designer::CurrentDesigner->Form->Name();
  if (source->HasHandler(formName, handlerText))
    source->GotoHandler(formName, handlerText);
  else
    source->AddHandler(formName, handlerText);
  FEditor->SetValue(handler);
  ShowBoundHandler(index);
}

void TObjectInspector::ShowBoundHandler(int row) {
  EventBox->Items()->Put(row, EventBox->Items()->Strings(row).substr(0, 20) + FEditor->GetValue());
  edEvent->SetText(FEditor->GetValue());
}

void TObjectInspector::ShowHandlerList() {
  cbEvent->Items()->Clear();
  if (FEditor) FEditor->GetValues([this](const std::string& name) { cbEvent->Items()->Add(name); });
  if (cbEvent->Items()->Count() == 0) return cbEvent->Hide();
  cbEvent->SetBounds(edEvent->Left() + edEvent->Width() - cbEvent->Width(), edEvent->Top(), cbEvent->Width(),
                     cbEvent->Height());
  cbEvent->SetItemIndex(cbEvent->Items()->IndexOf(FEditor->GetValue()));
  // The list opens wider than its button.
  if (auto* combo = qobject_cast<QComboBox*>(cbEvent->Widget())) combo->view()->setMinimumWidth(EventBox->ClientWidth() / 2);
  cbEvent->Show();
}

void TObjectInspector::cbEventChange(TObject*) {
  const int index = EventBox->ItemIndex();
  if (!FEditor || index < 0 || cbEvent->ItemIndex() < 0) return;
  FEditor->SetValue(cbEvent->Items()->Strings(cbEvent->ItemIndex()));
  ShowBoundHandler(index);
}

void TObjectInspector::EventHandlerWanted(TComponent* component) {
  if (component != FComponent) InspectComponent(nullptr, component);
  Show();
  PageControl1->SetActivePage(TabEvent);
  if (EventBox->Items()->Count() == 0) return;
  EventBox->SetItemIndex(0);
  EventBoxClick(EventBox);
  edEventDblClick(edEvent);
}

}  // namespace korvax::inspector
