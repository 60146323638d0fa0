#include "ide/designer/proxyform.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "ide/common/layouts.h"
#include "ide/common/textutils.h"
#include "ide/designer/catalogue.h"
#include "ide/designer/palettechoice.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/classes/keptproperties.h"
#include "kcl/controls/menus.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

TProxyDesigner* CurrentDesigner = nullptr;

namespace {

// Outlines move in steps of at least this many pixels on one axis.
constexpr int DragStep = 6;

bool IsFarEnough(TPoint a, TPoint b) { return std::abs(a.X - b.X) >= DragStep || std::abs(a.Y - b.Y) >= DragStep; }

}  // namespace

KCL_CLASS_INFO(TProxyForm) {
  for (PPropInfo inherited : GetPropInfos(&TForm::StaticClass())) {
    const std::string name = inherited->Name;
    // The window is shown while it is designed: what is written is the form's own Visible.
    auto stored = name == "Visible" ? [](const TObject* o) { return static_cast<const TProxyForm*>(o)->DesignedVisible; }
                                    : inherited->Stored;
    // A data module has none of a form's properties but those its file held.
    cls.republish(name).Stored([stored, name](const TObject* o) {
      const auto* form = static_cast<const TProxyForm*>(o);
      if (form->DataModule && !form->HeldInFile(name)) return false;
      return !stored || stored(o);
    });
  }
}

TProxyForm::TProxyForm(TComponent* owner, TPaletteChoice& palette, TStart start) : TForm(owner), FPalette(palette) {
  if (start == TStart::Layout) LoadFromLayout(LayoutText("ProxyForm"));
  FormCreate(this);
}

bool TProxyForm::HeldInFile(const std::string& name) const {
  const std::vector<std::string>* read = ReadOrder(this);
  return read && std::find(read->begin(), read->end(), name) != read->end();
}

void TProxyForm::DefineProperties(TFiler& filer) {
  // A form's text metrics are no data module's.
  if (DataModule) return TWinControl::DefineProperties(filer);
  TForm::DefineProperties(filer);
}

void TProxyForm::BeforeDestruction() {
  // The handles go before the controls they surround.
  if (FDesigner) FDesigner->ClearSelection();
  TForm::BeforeDestruction();
}

TProxyForm::~TProxyForm() {
  FormDestroy(this);
  if (CurrentDesigner == FDesigner.get()) CurrentDesigner = nullptr;
  SetDesigner(nullptr);
}

void TProxyForm::FormCreate(TObject*) {
  FDesigner = std::make_unique<TProxyDesigner>(this);
  SetDesigner(FDesigner.get());
  ComponentNames = std::make_unique<TStringList>();
  DragRects = std::make_unique<TDragRectList>();
  CurrentDesigner = FDesigner.get();
  FDesigner->InspectComponent(nullptr, this);
}

void TProxyForm::FormActivate(TObject*) {
  CurrentDesigner = FDesigner.get();
  if (OnDesignActivate) OnDesignActivate(*this);
}

void TProxyForm::FormPaint(TObject*) { FDesigner->PaintGrid(); }

void TProxyForm::FormDestroy(TObject*) {
  ComponentNames.reset();
  DragRects.reset();
}

void TProxyForm::Activate() {
  FormActivate(this);
  TForm::Activate();
}

void TProxyForm::Paint() { FormPaint(this); }

void TProxyForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // The designer's wrappers are never written (grab handles belong to no one).
  TForm::GetChildren(
      [&](TComponent* child) {
        if (!IsDesignerControl(child)) proc(child);
      },
      root);
}

void TProxyForm::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == CurrentControl) CurrentControl = nullptr;
  if (FDesigner) FDesigner->ComponentRemoved(component);
}

bool TProxyForm::IsDesignerControl(const TComponent* component) {
  if (dynamic_cast<const TWrapperControl*>(component)) return true;
  const auto* form = dynamic_cast<const TProxyForm*>(component->Owner());
  return form && form->FDesigner && component == form->FDesigner->ContextMenu();
}

// --- mouse

void TProxyForm::RoutedMouseDown(TControl* sender, TMessage& message) {
  FRoutedFrom = sender;
  OnScopeExit done([this] { FRoutedFrom = nullptr; });
  WndProc(message);
}

TPoint TProxyForm::FormPoint(TControl* sender, TPoint p) const {
  return sender && sender != this ? ScreenToClient(sender->ClientToScreen(p)) : p;
}

void TProxyForm::TakeKeyboard() {
  if (CanFocus() && !Focused()) SetFocus();
}

void TProxyForm::WndProc(TMessage& message) {
  if ((message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP) && FDesigner && FDesigner->IsDesignMsg(this, message)) {
    message.Handled = true;
    return;
  }
  TForm::WndProc(message);
}

void TProxyForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TakeKeyboard();
  TForm::MouseDown(button, shift, x, y);
  if (button == mbLeft) FormMouseDown(this, button, shift, x, y);
}

void TProxyForm::MouseMove(TShiftState shift, int x, int y) {
  TForm::MouseMove(shift, x, y);
  FormMouseMove(this, shift, x, y);
}

void TProxyForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TForm::MouseUp(button, shift, x, y);
  if (button == mbLeft) FormMouseUp(this, button, shift, x, y);
}

void TProxyForm::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
  TForm::ValidateRename(component, curName, newName);
  // The form's own name is taken too: the unit declares both.
  if (component && component != this && !newName.empty() && SameText(newName, Name()))
    throw EComponentError(Format(msg::DuplicateName, {newName}));
  if (component && !curName.empty() && curName != newName && !IsLoading() && FDesigner &&
      !IsDesignerControl(component))
    FDesigner->ComponentRenamed(component, curName, newName);
}

void TProxyForm::DblClick() {
  TForm::DblClick();
  FDesigner->EventHandlerWanted(this);
}

void TProxyForm::FormMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
  TControl* routed = FRoutedFrom;
  FCaptured = true;
  if (TClass cls = FPalette.ComponentClassForTag()) {
    FDesigner->PlaceComponent(cls, routed, TPoint{x, y});
    return;
  }
  if (routed && CurrentControl) {
    const TPoint p = FormPoint(CurrentControl, {x, y});
    if (FormRect(CurrentControl).Contains(p)) {
      BeginDrag(p);
      return;
    }
  }
  FDesigner->InspectComponent(nullptr, this);
}

void TProxyForm::FormMouseMove(TObject*, TShiftState, int x, int y) {
  if (FDesigner->MultiSelect || !Moving) return;
  const TPoint p = ConfinedPoint({x, y});
  if (IsFarEnough(p, DownPoint)) DragTo(p);
}

void TProxyForm::FormMouseUp(TObject*, TMouseButton, TShiftState, int x, int y) {
  FCaptured = false;
  if (!Moving) return;
  EndDrag(ConfinedPoint({x, y}));
  FDesigner->RefreshHandles();
}

// --- moving the selection

TRect TProxyForm::FormRect(const TControl* control) const {
  const TRect r = control->BoundsRect();
  if (!control->Parent() || control->Parent() == this) return r;
  const TPoint origin = ScreenToClient(control->Parent()->ClientToScreen({0, 0}));
  return Rect(r.Left + origin.X, r.Top + origin.Y, r.Right + origin.X, r.Bottom + origin.Y);
}

void TProxyForm::BeginDrag(TPoint p) {
  if (FDesigner->MultiSelect) return;
  FDesigner->ResetDragRects();  // the selection may have moved by keys or layout commands since it was made
  Moving = true;
  DownPoint = p;
  SetClipChildren(false);
  for (int i = 1; i <= DragRects->Count(); ++i) DrawDragRect(DragOutline(i));
  ConfineCursor();
}

TRect TProxyForm::DragOutline(int index) const {
  // Entries hold bounds in the parent's coordinates; outlines are drawn on the form.
  return ParentToForm(FDesigner->Selection[static_cast<size_t>(index - 1)], DragRects->Item(index));
}

TRect TProxyForm::ParentToForm(const TControl* control, const TRect& r) const {
  const TRect at = FormRect(control);
  const int dx = at.Left - control->Left(), dy = at.Top - control->Top();
  return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

void TProxyForm::DragTo(TPoint p) {
  for (int i = 1; i <= DragRects->Count(); ++i) {
    const TControl* control = FDesigner->Selection[static_cast<size_t>(i - 1)];
    DrawDragRect(DragOutline(i));
    TRect& r = DragRects->Item(i);
    r.Left += p.X - DownPoint.X;
    r.Top += p.Y - DownPoint.Y;
    r.Right = r.Left + control->Width();
    r.Bottom = r.Top + control->Height();
    DrawDragRect(DragOutline(i));
  }
  DownPoint = p;
}

void TProxyForm::EndDrag(TPoint p) {
  SetClipChildren(true);
  if (p != DownPoint) DragTo(p);
  for (int i = 1; i <= DragRects->Count(); ++i) DrawDragRect(DragOutline(i));
  Moving = false;
  ReleaseCursor();
  FDesigner->SelectionMoved();
  Invalidate();  // the grid is painted with the form
}

void TProxyForm::DrawDragRect(const TRect& r) {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(Color());
  canvas->Pen()->SetMode(pmXor);
  canvas->Pen()->SetWidth(2);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(r);
  LastDragRect = r;
}

void TProxyForm::SetClipChildren(bool clip) {
  if (clip == FClipChildren) return;
  FClipChildren = clip;
  // Nothing on the form moves until the outlines are gone: they are drawn over
  // a picture of it rather than over the live controls.
  if (clip)
    ControlCanvas()->ReleaseBackground();
  else
    ControlCanvas()->HoldBackground();
}

TPoint TProxyForm::ConfinedPoint(TPoint p) const {
  if (!FCursorConfined) return p;
  return {std::clamp(p.X, 0, Width()), std::clamp(p.Y, 0, ClientHeight())};
}

// --- creation

void MakeDesignClass(TProxyForm& form, const std::string& className) {
  static std::map<std::string, TClass> classes;
  TClass& cls = classes[UpperCase(className)];
  if (!cls) cls = TClassInfo::CreateRuntimeClass(className, &TProxyForm::StaticClass());
  form.SetClassType(cls);
}

void RegisterDesignerClasses() {
  RegisterCatalogueClasses();
  RegisterClass(&TWrapperControl::StaticClass());
}

void PrepareLoadedForm(TProxyForm& form) {
  std::vector<TComponent*> owned;
  for (int i = 0; i < form.ComponentCount(); ++i) owned.push_back(form.Components(i));
  for (TComponent* component : owned) {
    if (auto* older = dynamic_cast<TWrapperControl*>(component)) {
      older->RestoreAfterLoading();
      older->SetDesigning(true);
    } else if (auto* control = dynamic_cast<TControl*>(component)) {
      if (!TProxyForm::IsDesignerControl(control)) control->SetDesigning(true);
    } else if (!dynamic_cast<TMenuItem*>(component) && !form.FindComponent(TWrapperControl::WrapperName(component->Name()))) {
      auto* wrapper = new TWrapperControl(&form, component);
      wrapper->SetName(TWrapperControl::WrapperName(component->Name()));
      wrapper->SetDesigning(true);
    }
  }
}

TProxyForm* CreateDesignForm(const std::string& formFile, const std::string& unitFile, TPaletteChoice& palette) {
  const std::string name = ExtractBaseName(formFile);
  auto* form = new TProxyForm(nullptr, palette);
  MakeDesignClass(*form, "T" + name);
  form->SetBorderStyle(bsSizeable);
  form->SetCaption(name);
  form->SetName(name);
  form->UnitFileName = unitFile;
  form->Show();
  form->ProxyDesigner()->ResetHistory();
  return form;
}

}  // namespace korvax::designer
