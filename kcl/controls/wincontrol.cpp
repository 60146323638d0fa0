#include "kcl/controls/wincontrol.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/controls/keys.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TWinControl) {
  cls.property("HelpContext", &TWinControl::HelpContext, &TWinControl::SetHelpContext, THelpContextType()).Default(0);

  // What every windowed control has and each class publishes by name.
  using T = TWinControl;
  auto declared = cls.unpublished();
  declared.property("Ctl3D", &T::Ctl3D, &T::SetCtl3D).Stored([](const TObject* o) {
    return !static_cast<const T*>(o)->ParentCtl3D();
  });
  declared.property("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D).Default(true);
  declared.property("TabOrder", &T::TabOrder, &T::SetTabOrder, TTabOrderType()).Default(-1);
  declared.property("TabStop", &T::TabStop, &T::SetTabStop).Default(false);
  declared.property("ImeMode", &T::ImeMode, &T::SetImeMode).Default(imDontCare);
  declared.property("ImeName", &T::ImeName, &T::SetImeName, TImeNameType());
  declared.event("OnEnter", &T::OnEnter, TNotifyEventType());
  declared.event("OnExit", &T::OnExit, TNotifyEventType());
  declared.event("OnKeyDown", &T::OnKeyDown, TKeyEventType());
  declared.event("OnKeyPress", &T::OnKeyPress, TKeyPressEventType());
  declared.event("OnKeyUp", &T::OnKeyUp, TKeyEventType());
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  while (ControlCount() > 0) Controls(ControlCount() - 1)->Free();
}

void TWinControl::BeforeDestruction() {
  // Child controls go with their parent, whoever owns them.
  while (ControlCount() > 0) Controls(ControlCount() - 1)->Free();
  TControl::BeforeDestruction();
}

std::vector<TControl*>& TWinControl::ListOf(const TControl* control) {
  return dynamic_cast<const TWinControl*>(control) ? FWinControls : FGraphicControls;
}

TControl* TWinControl::Controls(int index) const {
  const int graphics = static_cast<int>(FGraphicControls.size());
  if (index < 0 || index >= ControlCount()) throw EListError(Format(msg::ListIndexError, {index}));
  return index < graphics ? FGraphicControls[static_cast<size_t>(index)]
                          : FWinControls[static_cast<size_t>(index - graphics)];
}

std::vector<TControl*> TWinControl::Controls() const {
  std::vector<TControl*> all = FGraphicControls;
  all.insert(all.end(), FWinControls.begin(), FWinControls.end());
  return all;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent())
    if (control == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  if (auto* wc = dynamic_cast<TWinControl*>(control); wc && wc->ContainsControl(this))
    throw EInvalidOperation("Control cannot have itself or a child as its parent");
  ListOf(control).push_back(control);
  control->SetParentValue(this);
  if (auto* wc = dynamic_cast<TWinControl*>(control)) FTabList.push_back(wc);
  // The parent's font and colour come first, so a peer made now starts with them.
  control->ParentFontChanged();
  control->ParentColorChanged();
  if (HandleAllocated()) {
    if (control->HandleAllocated())
      control->FWidget->setParent(ClientWidget());
    else
      control->HandleNeeded();
    control->UpdateWidgetGeometry();
    control->UpdateWidgetVisibility();
    StackLast(control);
  }
  if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  std::erase(ListOf(control), control);
  std::erase(FTabList, control);
  control->SetParentValue(nullptr);
  if (control->HandleAllocated()) {
    control->FWidget->hide();
    control->FWidget->setParent(nullptr);
  }
  if (control->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  const std::vector<TControl*> all = Controls();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    TControl* c = *it;
    if ((c->Visible() || c->IsDesigning()) && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p))
      return c;
  }
  return nullptr;
}

// --- alignment

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TControl::SetBounds(left, top, width, height);
  if (resized) Realign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::Realign() {
  if (FAligning || FAlignLevel > 0 || IsLoading()) return;
  FAligning = true;
  TRect rect = AlignRect();
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : Controls())
      if (c->Align() == align && (c->Visible() || c->IsDesigning())) list.push_back(c);
    // Each group is placed in the order of the positions its controls had.
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      const int w = rect.Width(), h = rect.Height();
      switch (align) {
        case alTop:
          c->SetBounds(rect.Left, rect.Top, w, c->Height());
          rect.Top += c->Height();
          break;
        case alBottom:
          rect.Bottom -= c->Height();
          c->SetBounds(rect.Left, rect.Bottom, w, c->Height());
          break;
        case alLeft:
          c->SetBounds(rect.Left, rect.Top, c->Width(), h);
          rect.Left += c->Width();
          break;
        case alRight:
          rect.Right -= c->Width();
          c->SetBounds(rect.Right, rect.Top, c->Width(), h);
          break;
        default:
          c->SetBounds(rect.Left, rect.Top, w, h);
          break;
      }
    }
  }
  FAligning = false;
}

// --- order

void TWinControl::SetZOrder(TControl* control, bool topmost) {
  auto& list = ListOf(control);
  auto it = std::find(list.begin(), list.end(), control);
  if (it == list.end()) return;
  list.erase(it);
  if (topmost)
    list.push_back(control);
  else
    list.insert(list.begin(), control);
  RestackWidgets();
}

void TWinControl::SetChildOrder(TComponent* child, int order) {
  auto* control = dynamic_cast<TControl*>(child);
  if (!control || control->Parent() != this) return;
  auto& list = ListOf(control);
  std::erase(list, control);
  list.insert(list.begin() + std::clamp<int>(order, 0, static_cast<int>(list.size())), control);
  RestackWidgets();
}

void TWinControl::StackLast(TControl* control) {
  // The last of its list: on top, or, windowless, just below the windowed ones.
  if (!control->HandleAllocated()) return;
  const bool windowless = &ListOf(control) == &FGraphicControls;
  for (TControl* windowed : FWinControls)
    if (windowless && windowed->HandleAllocated()) return control->FWidget->stackUnder(windowed->FWidget);
  control->FWidget->raise();
}

void TWinControl::RestackWidgets() {
  // Windowless controls stay below windowed ones, as they are drawn on the parent.
  for (TControl* c : Controls())
    if (c->HandleAllocated()) c->FWidget->raise();
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* c : Controls())
    if (c->Owner() == root) proc(c);
}

// --- focus and tab order

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (ComponentState().Contains(csReading))
    FReadTabOrder = order;
  else
    MoveInTabList(order);
}

void TWinControl::MoveInTabList(int order) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  std::erase(list, this);
  list.insert(list.begin() + std::clamp<int>(order, 0, static_cast<int>(list.size())), this);
}

void TWinControl::ReadState(TReader& reader) {
  TControl::ReadState(reader);
  FixupTabList();
  // Children read for another parent (a control grid's panel) were read here too.
  if (auto* childParent = dynamic_cast<TWinControl*>(GetChildParent()); childParent && childParent != this)
    childParent->FixupTabList();
}

// Each child read with a tab order within range takes that place; the others
// keep theirs. A child named twice for one place loses it to the last one.
void TWinControl::FixupTabList() {
  std::vector<TWinControl*> places(FTabList.size(), nullptr);
  for (TWinControl* child : FTabList) {
    const int order = std::exchange(child->FReadTabOrder, -1);
    if (order >= 0 && order < static_cast<int>(places.size())) places[static_cast<size_t>(order)] = child;
  }
  for (size_t i = 0; i < places.size(); ++i)
    if (places[i]) places[i]->MoveInTabList(static_cast<int>(i));
}

void TWinControl::SetTabStop(bool v) {
  FTabStop = v;
  if (FWidget) FWidget->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::SetCtl3D(bool v) {
  FCtl3D = v;
  FParentCtl3D = false;
  for (TControl* c : Controls())
    if (auto* wc = dynamic_cast<TWinControl*>(c); wc && wc->FParentCtl3D) wc->FCtl3D = v;
}

void TWinControl::SetParentCtl3D(bool v) {
  FParentCtl3D = v;
  if (v && Parent()) FCtl3D = Parent()->Ctl3D();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  HandleNeeded();
  FWidget->setFocus(Qt::OtherFocusReason);
}

void TWinControl::InitWidget() {
  TControl::InitWidget();
  FWidget->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
  for (TControl* c : Controls()) c->HandleNeeded();
  RestackWidgets();
}

// --- keys

void TWinControl::KeyDown(Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }

bool TWinControl::DoKeyDown(TMessage& message) {
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(message)) return true;
  Word key = CharCode(message);
  const TShiftState shift = KeyboardShiftState();
  if (message.Msg == WM_KEYDOWN)
    KeyDown(key, shift);
  else
    KeyUp(key, shift);
  message.WParam = key;
  return key == 0;
}

bool TWinControl::DialogKey(Word key, TShiftState shift) {
  for (TControl* child : FWinControls)
    if (child->Visible() && child->Enabled() && static_cast<TWinControl*>(child)->DialogKey(key, shift)) return true;
  return false;
}

void TWinControl::WndProc(TMessage& message) {
  TControl::WndProc(message);
  if (message.Handled || FControlStyle.Contains(csNoStdEvents)) return;
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (DoKeyDown(message)) {
        message.Handled = true;
      } else if (const Word key = CharCode(message);
                 message.Msg == WM_KEYDOWN && (key == VK_RETURN || key == VK_ESCAPE) && !WantsKey(key)) {
        TCustomForm* form = GetParentForm();
        if (form && form->DialogKey(key, KeyboardShiftState())) message.Handled = true;
      }
      break;
    case WM_CHAR: {
      char key = static_cast<char>(message.WParam);
      KeyPress(key);
      message.WParam = static_cast<uint8_t>(key);
      if (key == 0) message.Handled = true;
      break;
    }
    case WM_SETFOCUS: DoEnter(); break;
    case WM_KILLFOCUS: DoExit(); break;
    default: break;
  }
}

}  // namespace kcl
