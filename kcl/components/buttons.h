#pragma once
// TSpeedButton, a button drawn by the framework that can stay down in a group,
// and TBitBtn, a push button with a glyph and stock kinds (OK, Cancel, ...).
#include <memory>

#include "kcl/components/buttonglyph.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/graphics/bitmap.h"

namespace kcl {

// Glyph, Layout, Margin, NumGlyphs and Spacing, as both kinds of button have them.
class TButtonGlyphProps {
public:
  TButtonGlyphProps();
  virtual ~TButtonGlyphProps();
  TBitmap* Glyph() const { return FGlyph.get(); }
  // A glyph whose width is a multiple (up to 4) of its height sets NumGlyphs.
  void SetGlyph(TBitmap* v);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return FMargin; }
  void SetMargin(int v);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v);

protected:
  // Redraws the button.
  virtual void GlyphPropsChanged() = 0;
  TButtonContent Content(QImage glyph, const std::string& caption) const {
    return {std::move(glyph), caption, FLayout, FMargin, FSpacing};
  }

private:
  std::unique_ptr<TBitmap> FGlyph;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FNumGlyphs = 1;
  int FSpacing = 4;
};

class TSpeedButton : public TGraphicControl, public TButtonGlyphProps {
  KCL_CLASS(TSpeedButton, TGraphicControl)
public:
  explicit TSpeedButton(TComponent* owner);

  // Shared by the buttons of a group: setting it on one sets it on all.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  // Only buttons of a group stay down; pressing one releases the others, and a
  // down button goes up only when the group allows all up.
  bool Down() const { return FDown; }
  void SetDown(bool v);
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  bool MouseInControl() const { return FMouseInControl; }

protected:
  void Paint() override;
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void TextChanged() override { Invalidate(); }
  void EnabledChanged() override;
  void GlyphPropsChanged() override { Invalidate(); }

private:
  friend class TSpeedButtonWidget;
  void MouseEnterLeave(bool inside);
  // Tells the other buttons of the group that this one went down (or changed AllowAllUp).
  void UpdateExclusive();

  bool FAllowAllUp = false;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FFlat = false;
  TButtonState FState = TButtonState::bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};

KCL_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)
enum class TButtonStyle : int { bsAutoDetect, bsWin31, bsNew };
KCL_ENUM_TYPE(TButtonStyle, "TButtonStyle", bsAutoDetect, bsWin31, bsNew)

class TBitBtn : public TButton, public TButtonGlyphProps {
  KCL_CLASS(TBitBtn, TButton)
public:
  explicit TBitBtn(TComponent* owner);

  TBitBtnKind Kind() const { return FKind; }
  // A stock kind sets Caption, ModalResult, Default and Cancel and shows its glyph.
  void SetKind(TBitBtnKind v);
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle v);

  // bkClose closes the form; the others act as TButton.
  void Click() override;
  // The glyph shown: the kind's own unless the button is custom.
  QImage CurrentGlyph(TButtonState state) const;
  bool IsCustom() const { return FKind == bkCustom; }
  bool IsCustomCaption() const;

protected:
  bool PaintWidget() override;
  void GlyphPropsChanged() override { Invalidate(); }

private:
  TBitBtnKind FKind = bkCustom;
  TButtonStyle FStyle = TButtonStyle::bsAutoDetect;
};

}  // namespace kcl
