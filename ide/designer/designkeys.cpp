// The keyboard of a design form: what a key pressed or released on the form or
// one of its design controls does. Every key is the designer's; the controls
// never see one.
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/controls/application.h"
#include "kcl/controls/keys.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr uint16_t VK_F11 = VK_F1 + 10;
constexpr uint16_t KeyZ = 'Z';
// With this many controls selected or more, their handles follow a nudge only
// when Ctrl goes up: moving all of them on every key is slow.
constexpr size_t HandlesFollowOnRelease = 5;

}  // namespace

void TProxyDesigner::DesignKey(const TMessage& message) {
  const uint16_t key = CharCode(message);
  if (message.Msg == WM_KEYUP) {
    if (key == VK_SHIFT) MultiSelect = false;
    if (key == VK_CONTROL) {
      CtrlDown = false;
      RefreshHandles();
    }
    return;
  }
  switch (key) {
    case VK_DELETE: DeleteSelection(); break;
    case VK_SHIFT: MultiSelect = true; break;
    case VK_CONTROL: CtrlDown = true; break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (CtrlDown) NudgeSelection(key);
      break;
    case VK_F1:
      // A wrapper's help is its component's.
      if (Form->CurrentControl) Application()->HelpKeyword(ComponentOf(Form->CurrentControl)->ClassName());
      break;
    case VK_F11: WantCommand(TDesignCommand::FocusInspector); break;
    case VK_F12: WantCommand(TDesignCommand::ToggleFormUnit); break;
    case KeyZ:
      if (!CtrlDown) break;
      if (MultiSelect) Redo();
      else Undo();
      break;
    default: break;
  }
}

void TProxyDesigner::NudgeSelection(uint16_t key) {
  const int dx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
  const int dy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
  if (dx == 0 && dy == 0) return;
  TDesignEdit edit{TDesignEditKind::Move, {}};
  for (TControl* control : Selection) {
    if (control == Form) continue;  // the form is placed on the screen, not designed there
    control->SetBounds(control->Left() + dx, control->Top() + dy, control->Width(), control->Height());
    edit.Components.push_back(ComponentOf(control));
  }
  if (edit.Components.empty()) return;
  if (Selection.size() < HandlesFollowOnRelease) RefreshHandles();
  Notify(edit);
}

void TProxyDesigner::WantCommand(TDesignCommand command) {
  for (TDesignListener* listener : std::vector(FListeners)) listener->CommandWanted(command, *this);
}

}  // namespace korvax::designer
