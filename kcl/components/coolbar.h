#pragma once
// TCoolBar: bands in rows, each with a gripper, a text and a control of the cool
// bar placed beside them; TCoolBands is the collection of its TCoolBands.
#include <memory>

#include "kcl/classes/collection.h"
#include "kcl/components/toolbar.h"

namespace kcl {

class TCoolBar;

class TCoolBand : public TCollectionItem {
  KCL_CLASS(TCoolBand, TCollectionItem)
public:
  explicit TCoolBand(TCollection* collection);
  ~TCoolBand() override;

  bool Break() const { return FBreak; }
  void SetBreak(bool v) { FBreak = v, Changed(true); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v, FParentColor = false, Changed(false); }
  TWinControl* Control() const { return FControl; }
  // A control of the cool bar; the band takes its height.
  void SetControl(TWinControl* v);
  bool FixedBackground() const { return FFixedBackground; }
  void SetFixedBackground(bool v) { FFixedBackground = v, Changed(false); }
  bool FixedSize() const { return FFixedSize; }
  void SetFixedSize(bool v) { FFixedSize = v, Changed(false); }
  bool HorizontalOnly() const { return FHorizontalOnly; }
  void SetHorizontalOnly(bool v) { FHorizontalOnly = v, Changed(true); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v, Changed(false); }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int v) { FMinHeight = v, Changed(true); }
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int v) { FMinWidth = v, Changed(true); }
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v) { FParentColor = v, Changed(false); }
  std::string Text() const { return FText; }
  void SetText(const std::string& v) { FText = v, Changed(true); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v, Changed(true); }
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v, Changed(true); }

  TCoolBar* CoolBar() const;
  std::string GetDisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  bool FBreak = true;
  TColor FColor = clBtnFace;
  TWinControl* FControl = nullptr;
  bool FFixedBackground = true, FFixedSize = false, FHorizontalOnly = false;
  int FImageIndex = -1, FMinHeight = 25, FMinWidth = 0;
  bool FParentColor = true;
  std::string FText;
  bool FVisible = true;
  int FWidth = 0;
};

class TCoolBands : public TCollection {
  KCL_CLASS(TCoolBands, TCollection)
public:
  explicit TCoolBands(TCoolBar* coolBar);
  TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
  TCoolBand* Items(int index) const { return static_cast<TCoolBand*>(TCollection::Items(index)); }
  TCoolBand* FindBand(const TControl* control) const;
  TCoolBar* CoolBar() const { return FCoolBar; }

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

private:
  TCoolBar* FCoolBar;
};

class TCoolBar : public TToolWindow {
  KCL_CLASS(TCoolBar, TToolWindow)
public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;

  // The bar's height follows its rows of bands when they change.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TCoolBands* Bands() const { return FBands.get(); }
  void SetBands(TCoolBands* v) { FBands->Assign(v); }
  bool FixedSize() const { return FFixedSize; }
  void SetFixedSize(bool v) { FFixedSize = v; }
  bool FixedOrder() const { return FFixedOrder; }
  void SetFixedOrder(bool v) { FFixedOrder = v; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool v);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool v);

  // Where a band shows, in client coordinates; empty for hidden bands.
  TRect BandRect(int index) const;
  // Places the bands' controls; the cool bar does it whenever its bands change.
  void LayoutBands();

  TNotifyEvent OnChange;

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Paint() override;
  void Resize() override;

private:
  friend class TCoolBands;
  // With AutoSize, the height that shows every row; a form keeps the one it gives.
  void AdjustHeight();
  int BandHeight(const TCoolBand* band) const;
  int ControlOffset(const TCoolBand* band) const;

  std::unique_ptr<TCoolBands> FBands;
  bool FAutoSize = false;
  bool FFixedSize = false, FFixedOrder = false, FShowText = true, FVertical = false;
  TCustomImageList* FImages = nullptr;
};

}  // namespace kcl
