#pragma once
// A small component family for exercising the object model and the filer: a form
// that owns controls and a non-visual component, controls that nest, and
// properties of every kind the writer knows.
#include <string>
#include <vector>

#include "kcl/classes/collection.h"
#include "kcl/classes/component.h"
#include "kcl/classes/events.h"
#include "kcl/classes/stringlist.h"
#include "kcl/classes/typeof.h"

namespace testing_classes {

using namespace kcl;

KCL_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
KCL_ENUM(TTestStyle, tsBold, tsItalic, tsUnderline, tsStrikeOut)
KCL_SET(TTestStyles, TTestStyle)

const TTypeInfo* TestColorType();  // integer type with identifiers clRed, clBlue
const TTypeInfo* TestMouseEventType();

class TTestFont : public TPersistent {
  KCL_CLASS(TTestFont, TPersistent)
public:
  std::string FontName() const { return FName; }
  void SetFontName(std::string v) { FName = std::move(v); }
  int Size() const { return FSize; }
  void SetSize(int v) { FSize = v; }
  TTestStyles Style() const { return FStyle; }
  void SetStyle(TTestStyles v) { FStyle = v; }
  int Color() const { return FColor; }
  void SetColor(int v) { FColor = v; }
  void Assign(const TPersistent* source) override;

private:
  std::string FName = "Sans";
  int FSize = 8;
  TTestStyles FStyle;
  int FColor = 0;
};

class TTestItem : public TCollectionItem {
  KCL_CLASS(TTestItem, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  std::string Caption() const { return FCaption; }
  void SetCaption(std::string v) { FCaption = std::move(v); }
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  void Assign(const TPersistent* source) override;

private:
  std::string FCaption;
  int FWidth = 50;
};

class TTestControl;

class TTestItems : public TCollection {
  KCL_CLASS(TTestItems, TCollection)
public:
  explicit TTestItems(TTestControl* owner) : TCollection(&TTestItem::StaticClass()), FOwner(owner) {}
  int Updates = 0;

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem*) override { ++Updates; }

private:
  TTestControl* FOwner;
};

class TTestControl : public TComponent {
  KCL_CLASS(TTestControl, TComponent)
public:
  explicit TTestControl(TComponent* owner);
  void BeforeDestruction() override;

  int Left() const { return FLeft; }
  void SetLeft(int v) { FLeft = v; }
  int Top() const { return FTop; }
  void SetTop(int v) { FTop = v; }
  std::string Caption() const { return FCaption; }
  void SetCaption(std::string v) { FCaption = std::move(v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  TTestAlign Align() const { return FAlign; }
  void SetAlign(TTestAlign v) { FAlign = v; }
  double Ratio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }
  char Letter() const { return FLetter; }
  void SetLetter(char v) { FLetter = v; }
  TTestFont* Font() const { return FFont.get(); }
  void SetFont(TTestFont* v) { FFont->Assign(v); }
  TTestControl* Buddy() const { return FBuddy; }
  void SetBuddy(TTestControl* v);
  TTestItems* Items() const { return FItems.get(); }
  void SetItems(TTestItems* v) { FItems->Assign(v); }
  int Color() const { return FColor; }
  void SetColor(int v) { FColor = v; }
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  std::string Data;  // streamed as binary through DefineProperties
  TNotifyEvent OnClick;
  TEvent<void(TObject*, int, int)> OnMouseMove;

  TTestControl* Parent() const { return FParent; }
  void SetParent(TTestControl* parent);
  const std::vector<TTestControl*>& Controls() const { return FControls; }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* parent) override { SetParent(dynamic_cast<TTestControl*>(parent)); }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  int LoadedCalls = 0;

protected:
  void DefineProperties(TFiler& filer) override;

private:
  int FLeft = 0, FTop = 0;
  std::string FCaption;
  bool FVisible = true;
  TTestAlign FAlign = taNone;
  double FRatio = 0;
  char FLetter = 'A';
  int FColor = 0;
  std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
  std::unique_ptr<TTestItems> FItems;
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  TTestControl* FBuddy = nullptr;
  TTestControl* FParent = nullptr;
  std::vector<TTestControl*> FControls;
};

// A control that publishes Visible again with another default.
class TTestHidden : public TTestControl {
  KCL_CLASS(TTestHidden, TTestControl)
public:
  explicit TTestHidden(TComponent* owner) : TTestControl(owner) { SetVisible(false); }
};

class TTestTimer : public TComponent {
  KCL_CLASS(TTestTimer, TComponent)
public:
  using TComponent::TComponent;
  int Interval() const { return FInterval; }
  void SetInterval(int v) { FInterval = v; }

private:
  int FInterval = 1000;
};

class TTestForm : public TTestControl {
  KCL_CLASS(TTestForm, TTestControl)
public:
  using TTestControl::TTestControl;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  // Published members bound by name.
  TTestControl* Button1 = nullptr;
  void Button1Click(TObject* sender) { Clicks.push_back(sender); }
  void FormMouseMove(TObject*, int x, int y) { LastX = x, LastY = y; }
  std::vector<TObject*> Clicks;
  int LastX = 0, LastY = 0;
};

// Registers the classes above for streaming (idempotent).
void RegisterTestClasses();

}  // namespace testing_classes
