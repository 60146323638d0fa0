#pragma once
// THeaderControl: a row of header sections that the user clicks and resizes by
// dragging their right edges; drawn by the framework as Windows draws a header.
#include <memory>
#include <string>

#include "kcl/classes/collection.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class THeaderControl;

KCL_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)
KCL_ENUM(TSectionTrackState, tsTrackBegin, tsTrackMove, tsTrackEnd)

class THeaderSection : public TCollectionItem {
  KCL_CLASS(THeaderSection, TCollectionItem)
public:
  explicit THeaderSection(TCollection* collection);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v, Changed(false); }
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool v) { FAllowClick = v, Changed(false); }
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int v);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int v);
  THeaderSectionStyle Style() const { return FStyle; }
  void SetStyle(THeaderSectionStyle v) { FStyle = v, Changed(false); }
  std::string Text() const { return FText; }
  void SetText(const std::string& v) { FText = v, Changed(false); }
  int Width() const { return FWidth; }
  // Kept between MinWidth and MaxWidth.
  void SetWidth(int v);
  int Left() const;
  int Right() const { return Left() + FWidth; }
  std::string GetDisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  TAlignment FAlignment = taLeftJustify;
  bool FAllowClick = true;
  int FMaxWidth = 10000;
  int FMinWidth = 0;
  THeaderSectionStyle FStyle = hsText;
  std::string FText;
  int FWidth = 50;
};

class THeaderSections : public TCollection {
  KCL_CLASS(THeaderSections, TCollection)
public:
  explicit THeaderSections(THeaderControl* headerControl);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(int index) const { return static_cast<THeaderSection*>(TCollection::Items(index)); }

protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

private:
  THeaderControl* FHeaderControl;
};

using TSectionNotifyEvent = TEvent<void(THeaderControl* headerControl, THeaderSection* section)>;
using TSectionTrackEvent =
    TEvent<void(THeaderControl* headerControl, THeaderSection* section, int width, TSectionTrackState state)>;
using TDrawSectionEvent =
    TEvent<void(THeaderControl* headerControl, THeaderSection* section, const TRect& rect, bool pressed)>;

class THeaderControl : public TCustomControl {
  KCL_CLASS(THeaderControl, TCustomControl)
public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return FSections.get(); }
  void SetSections(THeaderSections* v) { FSections->Assign(v); }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool v) { FHotTrack = v; }

  // The section at a client x; nullptr past the last one.
  THeaderSection* SectionAt(int x) const;

  TDrawSectionEvent OnDrawSection;
  TNotifyEvent OnResize;
  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TSectionTrackEvent OnSectionTrack;

  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void SectionClick(THeaderSection* section) { OnSectionClick(this, section); }
  virtual void SectionResize(THeaderSection* section) { OnSectionResize(this, section); }
  virtual void SectionTrack(THeaderSection* section, int width, TSectionTrackState state) {
    OnSectionTrack(this, section, width, state);
  }

private:
  // The section whose right edge is within reach of x, for resizing.
  THeaderSection* DividerAt(int x) const;

  std::unique_ptr<THeaderSections> FSections;
  bool FHotTrack = false;
  THeaderSection* FTracking = nullptr;
  THeaderSection* FPressed = nullptr;
};

}  // namespace kcl
