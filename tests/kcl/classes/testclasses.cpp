#include "kcl/classes/testclasses.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/classes/intconsts.h"

namespace testing_classes {

const TTypeInfo* TestColorType() {
  static const TTypeInfo* info = [] {
    const TTypeInfo* t = MakeOrdinalType(tkInteger, "TTestColor", otSLong, INT32_MIN, INT32_MAX);
    static const std::pair<const char*, int32_t> names[] = {{"clRed", 0xFF}, {"clBlue", 0xFF0000}};
    RegisterIntegerConsts(
        t,
        [](std::string_view ident, int32_t& value) {
          for (const auto& [n, v] : names)
            if (ident == n) return value = v, true;
          return false;
        },
        [](int32_t value, std::string& ident) {
          for (const auto& [n, v] : names)
            if (value == v) return ident = n, true;
          return false;
        });
    return t;
  }();
  return info;
}

const TTypeInfo* TestMouseEventType() {
  static const TTypeInfo* info =
      MakeMethodType("TTestMouseEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "X", "Integer"}, {0, "Y", "Integer"}});
  return info;
}

KCL_CLASS_INFO(TTestFont) {
  cls.property("Color", &TTestFont::Color, &TTestFont::SetColor, TestColorType());
  cls.property("Name", &TTestFont::FontName, &TTestFont::SetFontName);
  cls.property("Size", &TTestFont::Size, &TTestFont::SetSize);
  cls.property("Style", &TTestFont::Style, &TTestFont::SetStyle);
}

void TTestFont::Assign(const TPersistent* source) {
  if (auto* f = dynamic_cast<const TTestFont*>(source)) {
    FName = f->FName, FSize = f->FSize, FStyle = f->FStyle, FColor = f->FColor;
    return;
  }
  TPersistent::Assign(source);
}

KCL_CLASS_INFO(TTestItem) {
  cls.property("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
  cls.property("Width", &TTestItem::Width, &TTestItem::SetWidth).Default(50);
}

void TTestItem::Assign(const TPersistent* source) {
  if (auto* i = dynamic_cast<const TTestItem*>(source)) {
    FCaption = i->FCaption, FWidth = i->FWidth;
    return;
  }
  TCollectionItem::Assign(source);
}

KCL_CLASS_INFO(TTestItems) {}

TPersistent* TTestItems::GetOwner() const { return FOwner; }

KCL_CLASS_INFO(TTestControl) {
  cls.property("Left", &TTestControl::Left, &TTestControl::SetLeft);
  cls.property("Top", &TTestControl::Top, &TTestControl::SetTop);
  cls.property("Caption", &TTestControl::Caption, &TTestControl::SetCaption);
  cls.property("Visible", &TTestControl::Visible, &TTestControl::SetVisible).Default(true);
  cls.property("Align", &TTestControl::Align, &TTestControl::SetAlign).Default(taNone);
  cls.property("Ratio", &TTestControl::Ratio, &TTestControl::SetRatio);
  cls.property("Letter", &TTestControl::Letter, &TTestControl::SetLetter).Default('A');
  cls.property("Color", &TTestControl::Color, &TTestControl::SetColor, TestColorType()).Default(0);
  cls.property("Font", &TTestControl::Font, &TTestControl::SetFont);
  cls.property("Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy);
  cls.property("Items", &TTestControl::Items, &TTestControl::SetItems);
  cls.property("Lines", &TTestControl::Lines, &TTestControl::SetLines);
  cls.event("OnClick", &TTestControl::OnClick, TNotifyEventType());
  cls.event("OnMouseMove", &TTestControl::OnMouseMove, TestMouseEventType());
}

TTestControl::TTestControl(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TTestItems>(this)) {}

void TTestControl::BeforeDestruction() {
  // Child controls go with their parent, as window controls do.
  while (!FControls.empty()) FControls.back()->Free();
  SetParent(nullptr);
  TComponent::BeforeDestruction();
}

void TTestControl::SetBuddy(TTestControl* v) {
  FBuddy = v;
  if (v) v->FreeNotification(this);
}

void TTestControl::SetParent(TTestControl* parent) {
  if (FParent == parent) return;
  if (FParent) std::erase(FParent->FControls, this);
  FParent = parent;
  if (parent) parent->FControls.push_back(this);
}

void TTestControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TTestControl* c : FControls)
    if (c->Owner() == root) proc(c);
}

void TTestControl::SetChildOrder(TComponent* child, int order) {
  auto it = std::find(FControls.begin(), FControls.end(), child);
  if (it == FControls.end()) return;
  FControls.erase(it);
  FControls.insert(FControls.begin() + std::clamp<int>(order, 0, static_cast<int>(FControls.size())),
                   static_cast<TTestControl*>(child));
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FBuddy) FBuddy = nullptr;
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  ++LoadedCalls;
}

void TTestControl::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { Data = s.ReadRest(); }, [this](TStream& s) { s.WriteString(Data); }, !Data.empty());
}

KCL_CLASS_INFO(TTestHidden) { cls.republish("Visible").Default(false); }

KCL_CLASS_INFO(TTestTimer) { cls.property("Interval", &TTestTimer::Interval, &TTestTimer::SetInterval).Default(1000); }

KCL_CLASS_INFO(TTestForm) {
  cls.method("Button1Click", &TTestForm::Button1Click);
  cls.method("FormMouseMove", &TTestForm::FormMouseMove);
  cls.field("Button1", &TTestForm::Button1);
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
  TTestControl::GetChildren(proc, root);
}

void RegisterTestClasses() {
  RegisterClasses({&TTestControl::StaticClass(), &TTestHidden::StaticClass(), &TTestTimer::StaticClass(),
                   &TTestForm::StaticClass()});
}

}  // namespace testing_classes
