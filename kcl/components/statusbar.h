#pragma once
// TStatusBar: a line of panels along the bottom of a form (or one simple panel),
// drawn by the framework as Windows draws a status window: sunken or raised
// panels, the last reaching to the right edge, and a size grip.
#include <string>

#include "kcl/classes/collection.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TStatusBar;

KCL_ENUM(TStatusPanelStyle, psText, psOwnerDraw)
KCL_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)

class TStatusPanel : public TCollectionItem {
  KCL_CLASS(TStatusPanel, TCollectionItem)
public:
  explicit TStatusPanel(TCollection* collection);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel v);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle v);
  std::string Text() const { return FText; }
  void SetText(const std::string& v);
  int Width() const { return FWidth; }
  void SetWidth(int v);
  std::string GetDisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
  std::string FText;
  int FWidth = 50;
};

class TStatusPanels : public TCollection {
  KCL_CLASS(TStatusPanels, TCollection)
public:
  explicit TStatusPanels(TStatusBar* statusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

private:
  TStatusBar* FStatusBar;
};

using TDrawPanelEvent = TEvent<void(TStatusBar* statusBar, TStatusPanel* panel, const TRect& rect)>;
const TTypeInfo* TDrawPanelEventType();

class TStatusBar : public TCustomControl {
  KCL_CLASS(TStatusBar, TCustomControl)
public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* v);
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool v);
  std::string SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& v);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool v);

  // Where a panel shows, in client coordinates: panels follow each other from the
  // left, the last one reaches the right edge. Empty outside the panels.
  TRect PanelRect(int index) const;

  TDrawPanelEvent OnDrawPanel;
  TNotifyEvent OnResize;

  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
  virtual void DrawPanel(TStatusPanel* panel, const TRect& rect) { OnDrawPanel(this, panel, rect); }
  virtual void Resize() { OnResize(this); }

private:
  void PaintText(const TRect& rect, const std::string& text, TAlignment alignment, TStatusPanelBevel bevel);
  void PaintSizeGrip();

  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
};

}  // namespace kcl
