#include "ide/designer/proxydesigner.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

#include "ide/common/environment.h"
#include "ide/designer/designhistory.h"
#include "ide/designer/grabhandles.h"
#include "ide/designer/menudesigner.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/menus.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TProxyDesigner::TProxyDesigner(TProxyForm* form) : Form(form), FHistory(std::make_unique<TDesignHistory>(*this)) {}

TProxyDesigner::~TProxyDesigner() = default;

// --- messages

bool TProxyDesigner::IsDesignMsg(TControl* sender, TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      DesignKey(message);
      return true;
    case WM_MOUSEMOVE:
      if (!MultiSelect) DispatchToForm(sender, message);
      return true;
    case WM_LBUTTONDOWN:
      PressRouting(sender, message);
      return true;
    case WM_LBUTTONUP:
      DispatchToForm(sender, message);
      return true;
    case WM_LBUTTONDBLCLK:
      EventHandlerWanted(ComponentOf(sender));
      return true;
    case WM_RBUTTONDOWN:
      Form->TakeKeyboard();
      ShowContextMenu(sender->ClientToScreen({MouseX(message), MouseY(message)}));
      return true;
    default: return false;
  }
}

void TProxyDesigner::PressRouting(TControl* sender, TMessage& message) {
  // The press says whether Shift is held, whichever control has the keyboard.
  MultiSelect = (message.WParam & MK_SHIFT) != 0;
  if (sender && sender != Form->CurrentControl) {
    if (auto* wrapper = dynamic_cast<TWrapperControl*>(sender)) {
      InspectComponent(wrapper, wrapper->Component);
    } else if (MultiSelect) {
      SelectComponent(sender);
    } else {
      InspectComponent(nullptr, sender);
    }
  }
  Form->CurrentControl = sender;
  Form->RoutedMouseDown(sender, message);
}

void TProxyDesigner::DispatchToForm(TControl* sender, TMessage& message) {
  // After a press the form has the mouse: what follows arrives in its coordinates.
  TMessage forForm = message;
  if (Form->MouseCaptured()) {
    const TPoint p = Form->FormPoint(sender, {MouseX(message), MouseY(message)});
    forForm = MouseMessage(message.Msg, static_cast<uint32_t>(message.WParam), p.X, p.Y);
  }
  Form->WndProc(forForm);
}

// --- handler methods

TMethod TProxyDesigner::CreateMethod(const std::string& name, const TTypeData* typeData) {
  if (!MethodExists(name)) Methods.push_back({std::make_unique<TMethodEntry>(TMethodEntry{name, nullptr, nullptr}), typeData});
  const auto found = std::find_if(Methods.begin(), Methods.end(),
                                  [&](const TDesignMethod& m) { return SameText(m.Entry->Name, name); });
  ShowMethod(name);
  return {found->Entry.get(), nullptr};
}

std::string TProxyDesigner::GetMethodName(const TMethod& method) { return method.Code ? method.Code->Name : ""; }

void TProxyDesigner::GetMethods(const TTypeData* typeData, const TGetStrProc& proc) {
  for (const TDesignMethod& m : Methods)
    if (m.TypeData == typeData) proc(m.Entry->Name);
}

bool TProxyDesigner::MethodExists(const std::string& name) {
  return std::any_of(Methods.begin(), Methods.end(), [&](const TDesignMethod& m) { return SameText(m.Entry->Name, name); });
}

void TProxyDesigner::RenameMethod(const std::string& curName, const std::string& newName) {
  for (TDesignMethod& m : Methods)
    if (SameText(m.Entry->Name, curName)) m.Entry->Name = newName;
}

// --- components

std::string TProxyDesigner::UniqueName(const std::string& baseName) {
  std::string stem = baseName;
  if (!stem.empty() && (stem[0] == 'T' || stem[0] == 't')) stem = stem.substr(1, 255);
  return NumberedName(stem);
}

std::string TProxyDesigner::NumberedName(const std::string& stem, const std::string& alsoTaken) const {
  // The numbers taken: one pass over the form's components, not one a candidate.
  // The first free number is at most one past the number of names.
  std::vector<bool> taken(static_cast<size_t>(Form->ComponentCount()) + 3);
  const auto take = [&](const std::string& name) {
    if (name.size() <= stem.size() || !SameText(std::string_view(name).substr(0, stem.size()), stem)) return;
    const std::string_view digits = std::string_view(name).substr(stem.size());
    if (digits[0] == '0' || !std::all_of(digits.begin(), digits.end(), IsDigit)) return;
    size_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc() && number < taken.size()) taken[number] = true;
  };
  take(alsoTaken);
  for (int i = 0; i < Form->ComponentCount(); ++i) take(Form->Components(i)->Name());
  size_t n = 1;
  while (taken[n]) ++n;
  return stem + std::to_string(n);
}

std::string TProxyDesigner::GetComponentName(TComponent* component) { return component ? component->Name() : ""; }

TComponent* TProxyDesigner::CreateComponent(TClass componentClass, TComponent* parent, int left, int top, int width,
                                            int height) {
  if (!componentClass) return nullptr;
  auto* instance = static_cast<TComponent*>(componentClass->NewInstance(Form));
  auto* parentControl = dynamic_cast<TWinControl*>(parent);
  if (!parentControl) parentControl = Form;
  // Bounds above 0 are given; the others keep the class's defaults.
  const auto place = [&](TControl* c) {
    const auto positive = [](int v, int current) { return v > 0 ? v : current; };
    c->SetBounds(positive(left, c->Left()), positive(top, c->Top()), positive(width, c->Width()),
                 positive(height, c->Height()));
    c->SetParent(parentControl);
  };
  TControl* designControl = nullptr;
  TWrapperControl* wrapper = nullptr;
  if (auto* control = dynamic_cast<TControl*>(instance)) {
    control->SetName(UniqueName(componentClass->ClassName()));
    place(control);
    TControlStyle style = control->ControlStyle();
    style.Include(csNoStdEvents);
    control->SetControlStyle(style);
    designControl = control;
  } else {
    instance->SetName(UniqueName(componentClass->ClassName()));
    wrapper = new TWrapperControl(Form, instance);
    wrapper->SetName(TWrapperControl::WrapperName(instance->Name()));
    place(wrapper);
    designControl = wrapper;
    // The first main menu placed becomes the form's menu bar.
    if (auto* menu = dynamic_cast<TMainMenu*>(instance); menu && !Form->Menu()) Form->SetMenu(menu);
  }
  designControl->SetDesigning(true);
  KeepWrappersLast();
  Form->CurrentControl = designControl;
  AddComponentName(instance);
  InspectComponent(wrapper, instance);
  Notify({TDesignEditKind::Place, {instance}});
  Form->Palette().Placed();
  return instance;
}

void TProxyDesigner::KeepWrappersLast() {
  std::vector<TWrapperControl*> wrappers;
  for (TControl* control : Form->Controls())
    if (auto* wrapper = dynamic_cast<TWrapperControl*>(control)) wrappers.push_back(wrapper);
  std::sort(wrappers.begin(), wrappers.end(), [](auto* a, auto* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWrapperControl* wrapper : wrappers) wrapper->SetTabOrder(std::numeric_limits<int>::max());
}

TComponent* TProxyDesigner::PlaceComponent(TClass componentClass, TControl* pressed, TPoint at) {
  // A press on a container places into it; on another control, beside it in its
  // parent. Non-visual components always go on the form.
  TWinControl* parent = Form;
  TPoint p = at;
  const bool visual = componentClass->InheritsFrom(&TControl::StaticClass());
  if (pressed && pressed != Form && visual) {
    auto* container = dynamic_cast<TWinControl*>(pressed);
    if (!container || !pressed->ControlStyle().Contains(csAcceptsControls)) container = pressed->Parent();
    if (container) {
      parent = container;
      p = container == pressed ? at : container->ScreenToClient(pressed->ClientToScreen(at));
    }
  } else if (pressed && pressed != Form) {
    p = Form->FormPoint(pressed, at);
  }
  return CreateComponent(componentClass, parent, p.X, p.Y, 0, 0);
}

// --- selection

TComponent* TProxyDesigner::ComponentOf(TControl* control) {
  auto* wrapper = dynamic_cast<TWrapperControl*>(control);
  return wrapper && wrapper->Component ? wrapper->Component : control;
}

bool TProxyDesigner::IsSelected(const TControl* control) const {
  return std::find(Selection.begin(), Selection.end(), control) != Selection.end();
}

void TProxyDesigner::SelectComponent(TPersistent* instance) {
  auto* control = dynamic_cast<TControl*>(instance);
  if (!control) {
    // A non-visual component is selected through its wrapper.
    auto* component = dynamic_cast<TComponent*>(instance);
    if (!component) return;
    control = dynamic_cast<TControl*>(Form->FindComponent(TWrapperControl::WrapperName(component->Name())));
    if (!control) return;
  }
  if (IsSelected(control)) return;
  if (!MultiSelect) ClearSelection();
  auto handles = std::make_unique<TGrabHandles>(control);
  if (MultiSelect) {
    if (!HandleSets.empty()) HandleSets.front()->SetMultiLook(true);
    handles->SetMultiLook(true);
  } else {
    handles->SetColor(clWindowText);
  }
  Handles = handles.get();
  Form->DragRects->Add(control->BoundsRect());
  HandleSets.push_back(std::move(handles));
  Selection.push_back(control);
}

void TProxyDesigner::ClearSelection() {
  while (!HandleSets.empty()) HandleSets.pop_back();
  Handles = nullptr;
  Selection.clear();
  if (Form->DragRects) Form->DragRects->Clear();
}

void TProxyDesigner::ComponentRemoved(TComponent* component) {
  if (component == FContextMenu) FContextMenu = nullptr;
  // Only non-visual components have wrappers; a form closing frees many controls.
  if (!dynamic_cast<TControl*>(component))
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (auto* wrapper = dynamic_cast<TWrapperControl*>(Form->Components(i)); wrapper && wrapper->Component == component)
        wrapper->Component = nullptr;
  const auto found = std::find(Selection.begin(), Selection.end(), component);
  if (found == Selection.end()) return;
  const auto index = found - Selection.begin();
  if (Handles == HandleSets[static_cast<size_t>(index)].get()) Handles = nullptr;
  HandleSets.erase(HandleSets.begin() + index);
  Selection.erase(found);
  ResetDragRects();  // the outlines follow the selection's order
  if (!Handles && !HandleSets.empty()) Handles = HandleSets.back().get();
}

void TProxyDesigner::ResetDragRects() {
  Form->DragRects->Clear();
  for (TControl* control : Selection) Form->DragRects->Add(control->BoundsRect());
}

void TProxyDesigner::RefreshHandles() {
  for (const auto& set : HandleSets)
    if (set->Visible) set->Update();
}

void TProxyDesigner::InspectComponent(TControl* wrapper, TComponent* component) {
  SelectComponent(wrapper ? static_cast<TPersistent*>(wrapper) : component);
  for (TDesignListener* listener : std::vector(FListeners)) listener->ComponentInspected(wrapper, component);
}

void InspectComponent(TControl* wrapper, TComponent* component) {
  if (CurrentDesigner) CurrentDesigner->InspectComponent(wrapper, component);
}

// --- names

std::string TProxyDesigner::NameEntry(const TComponent* component) { return NameEntry(component, component->Name()); }

std::string TProxyDesigner::NameEntry(const TComponent* component, const std::string& name) {
  return name + (dynamic_cast<const TProxyForm*>(component) ? ":TForm" : ":" + component->ClassName());
}

void TProxyDesigner::AddComponentName(TComponent* component) { Form->ComponentNames->Add(NameEntry(component)); }

std::vector<std::string> TProxyDesigner::ComponentListEntries() const {
  std::vector<std::string> entries{Form->Name() + ":TForm"};
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    TComponent* component = Form->Components(i);
    if (!TProxyForm::IsDesignerControl(component)) entries.push_back(NameEntry(component));
  }
  return entries;
}

// --- edits made by the form and the handles

void TProxyDesigner::SelectionMoved() {
  TDesignEdit edit{TDesignEditKind::Move, {}};
  for (int i = 1; i <= Form->DragRects->Count(); ++i) {
    TControl* control = Selection[static_cast<size_t>(i - 1)];
    const TRect& r = Form->DragRects->Item(i);
    control->SetBounds(r.Left, r.Top, control->Width(), control->Height());
    control->Invalidate();
    edit.Components.push_back(ComponentOf(control));
  }
  Notify(edit);
  TControl* current = Form->CurrentControl;
  if (current && !dynamic_cast<TWrapperControl*>(current) && Selection.size() == 1) InspectComponent(current, current);
}

void TProxyDesigner::RenameComponent(TComponent* component, const std::string& name) {
  component->SetName(name);
  RecordStep();
}

void TProxyDesigner::ComponentRenamed(TComponent* component, const std::string& oldName, const std::string& newName) {
  if (auto* wrapper = Form->FindComponent(TWrapperControl::WrapperName(oldName)))
    wrapper->SetName(TWrapperControl::WrapperName(newName));
  const int entry = Form->ComponentNames->IndexOf(NameEntry(component, oldName));
  if (entry >= 0) Form->ComponentNames->Put(entry, NameEntry(component, newName));
  Notify({TDesignEditKind::Rename, {component}, oldName, newName});
}

void TProxyDesigner::EventHandlerWanted(TComponent* component) {
  // A menu's double click opens its menu designer rather than an event handler.
  if (auto* menu = dynamic_cast<TMenu*>(component)) return EditMenu(*this, *menu);
  for (TDesignListener* listener : std::vector(FListeners)) listener->EventHandlerWanted(component);
}

void TProxyDesigner::Modified() {
  TDesignEdit edit{TDesignEditKind::PropertyChange, {}};
  for (TControl* control : Selection) {
    edit.Components.push_back(ComponentOf(control));
    control->Invalidate();
  }
  RefreshHandles();  // bounds may have changed
  Notify(edit);
}

void TProxyDesigner::ControlResized(TControl* control, const TRect& bounds) {
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  // The outline of a later move starts from the new bounds.
  for (size_t i = 0; i < Selection.size() && i < TDragRectList::Capacity; ++i)
    if (Selection[i] == control) Form->DragRects->Item(static_cast<int>(i) + 1) = control->BoundsRect();
  Notify({TDesignEditKind::Resize, {ComponentOf(control)}});
}

// --- the grid

void TProxyDesigner::PaintGrid() {
  // The settings are read on every call: the options dialog may have changed them.
  if (!SettingBool("SYSTEM", "DisplayGrid", true)) return;
  const int sizeX = SettingInteger("SYSTEM", "GridSizeX", 8);
  const int sizeY = SettingInteger("SYSTEM", "GridSizeY", 8);
  TCanvas* canvas = Form->Canvas();
  PaintGridDots(*canvas, canvas->ClipRect(), sizeX, sizeY);
}

void PaintGridDots(TCanvas& canvas, const TRect& clip, int sizeX, int sizeY) {
  sizeX = std::max(1, sizeX);
  sizeY = std::max(1, sizeY);
  canvas.Pen()->SetColor(clBlack);
  canvas.Pen()->SetMode(pmCopy);
  canvas.Pen()->SetWidth(1);
  const int x0 = clip.Left / sizeX * sizeX, y0 = clip.Top / sizeY * sizeY;
  const int columns = (clip.Right / sizeX * sizeX - x0) / sizeX + 1;
  const int rows = (clip.Bottom / sizeY * sizeY - y0) / sizeY + 1;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      // A line one pixel long sets the single pixel it starts at.
      const int x = x0 + column * sizeX, y = y0 + row * sizeY;
      canvas.MoveTo(x, y);
      canvas.LineTo(x + 1, y + 1);
    }
}

// --- listeners

void TProxyDesigner::AddListener(TDesignListener* listener) { FListeners.push_back(listener); }

void TProxyDesigner::RemoveListener(TDesignListener* listener) { std::erase(FListeners, listener); }

void TProxyDesigner::Notify(const TDesignEdit& edit) {
  FHistory->BeforeEdit();
  for (TDesignListener* listener : std::vector(FListeners)) listener->Edited(edit);
  // A rename is told before it takes effect, and its property change follows;
  // a deletion is told while its components still are, and records itself.
  if (edit.Kind != TDesignEditKind::Rename && edit.Kind != TDesignEditKind::Delete) FHistory->Record();
}

// --- undo

void TProxyDesigner::ResetHistory() { FHistory->Reset(); }

void TProxyDesigner::Undo() { FHistory->Undo(); }

void TProxyDesigner::Redo() { FHistory->Redo(); }

bool TProxyDesigner::CanUndo() const { return FHistory->CanUndo(); }

bool TProxyDesigner::CanRedo() const { return FHistory->CanRedo(); }

void TProxyDesigner::RecordStep() { FHistory->Record(); }

}  // namespace korvax::designer
