#pragma once
// The persistent parts of a chart: pens that can be hidden, fonts with a look of
// their own, walls, titles and the legend. Each part tells its owner when it
// changes, and streams only what differs from the look it was made with.
#include <functional>
#include <memory>

#include "kcl/classes/stringlist.h"
#include "kcl/controls/controltypes.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"

namespace kcl {

// A part in this colour takes the colour of what it lies on.
constexpr TColor clTeeColor = clDefault;

using TChangeProc = std::function<void()>;

// A persistent part of a chart or a series.
class TChartPart : public TPersistent {
  KCL_CLASS(TChartPart, TPersistent)
public:
  explicit TChartPart(TChangeProc changed) : FChanged(std::move(changed)) {}
  // Copies the published properties of a part of the same class.
  void Assign(const TPersistent* source) override;

protected:
  void Changed() const {
    if (FChanged) FChanged();
  }
  template <class V>
  void Change(V& field, V value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  const TChangeProc& ChangeProc() const { return FChanged; }

private:
  TChangeProc FChanged;
};

// A pen that can be switched off. Colour, style, width and visibility are
// streamed when they differ from those the pen was made with.
class TChartPen : public TPen {
  KCL_CLASS(TChartPen, TPen)
public:
  explicit TChartPen(TColor color = clBlack, bool visible = true, TPenStyle style = psSolid, int width = 1);
  void Assign(const TPersistent* source) override;
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool ColorStored() const { return Color() != FDefault.Color; }
  bool StyleStored() const { return Style() != FDefault.Style; }
  bool WidthStored() const { return Width() != FDefault.Width; }
  bool VisibleStored() const { return FVisible != FDefault.Visible; }

private:
  struct Look {
    TColor Color;
    bool Visible;
    TPenStyle Style;
    int Width;
  };
  Look FDefault;
  bool FVisible;
};

// A part's font: Arial 8 points in the part's own colour and style until changed;
// only a changed font is streamed.
class TPartFont {
public:
  TPartFont(TColor color, TFontStyles style, const TChangeProc& changed);
  TFont* Font() const { return FFont.get(); }
  void Assign(const TFont* value) { FFont->Assign(value); }
  bool Stored() const;

private:
  std::unique_ptr<TFont> FFont;
  TColor FColor;
  TFontStyles FStyle;
  int FHeight;
};

class TChartWall : public TChartPart {
  KCL_CLASS(TChartWall, TChartPart)
public:
  explicit TChartWall(TChangeProc changed);
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* v) { FBrush->Assign(v); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Change(FColor, v); }
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v) { Change(FDark3D, v); }
  TChartPen* Pen() const { return FPen.get(); }
  void SetPen(TChartPen* v) { FPen->Assign(v); }
  int Size() const { return FSize; }
  void SetSize(int v) { Change(FSize, v); }

private:
  std::unique_ptr<TBrush> FBrush;
  TColor FColor = clTeeColor;
  bool FDark3D = true;
  std::unique_ptr<TChartPen> FPen;
  int FSize = 0;
};

// The title above the chart or the foot below it.
class TChartTitle : public TChartPart {
  KCL_CLASS(TChartTitle, TChartPart)
public:
  TChartTitle(TColor fontColor, TChangeProc changed);
  bool AdjustFrame() const { return FAdjustFrame; }
  void SetAdjustFrame(bool v) { Change(FAdjustFrame, v); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Change(FAlignment, v); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* v) { FBrush->Assign(v); }
  TFont* Font() const { return FFont.Font(); }
  void SetFont(TFont* v) { FFont.Assign(v); }
  bool FontStored() const { return FFont.Stored(); }
  TChartPen* Frame() const { return FFrame.get(); }
  void SetFrame(TChartPen* v) { FFrame->Assign(v); }
  TStrings* Text() const { return FText.get(); }
  void SetText(TStrings* v) { FText->Assign(v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Change(FVisible, v); }

private:
  bool FAdjustFrame = true;
  TAlignment FAlignment = taCenter;
  std::unique_ptr<TBrush> FBrush;
  TPartFont FFont;
  std::unique_ptr<TChartPen> FFrame;
  std::unique_ptr<TStringList> FText;
  bool FVisible = true;
};

KCL_ENUM(TLegendAlignment, laLeft, laRight, laTop, laBottom)
KCL_ENUM(TLegendStyle, lsAuto, lsSeries, lsValues)
KCL_ENUM(TLegendTextStyle, ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue)

class TChartLegend : public TChartPart {
  KCL_CLASS(TChartLegend, TChartPart)
public:
  explicit TChartLegend(TChangeProc changed);
  TLegendAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLegendAlignment v) { Change(FAlignment, v); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Change(FColor, v); }
  int ColorWidth() const { return FColorWidth; }
  void SetColorWidth(int v) { Change(FColorWidth, v); }
  TFont* Font() const { return FFont.Font(); }
  void SetFont(TFont* v) { FFont.Assign(v); }
  bool FontStored() const { return FFont.Stored(); }
  TChartPen* Frame() const { return FFrame.get(); }
  void SetFrame(TChartPen* v) { FFrame->Assign(v); }
  int HorizMargin() const { return FHorizMargin; }
  void SetHorizMargin(int v) { Change(FHorizMargin, v); }
  TLegendStyle LegendStyle() const { return FLegendStyle; }
  void SetLegendStyle(TLegendStyle v) { Change(FLegendStyle, v); }
  int MaxNumRows() const { return FMaxNumRows; }
  void SetMaxNumRows(int v) { Change(FMaxNumRows, v); }
  bool ResizeChart() const { return FResizeChart; }
  void SetResizeChart(bool v) { Change(FResizeChart, v); }
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v) { Change(FShadowColor, v); }
  int ShadowSize() const { return FShadowSize; }
  void SetShadowSize(int v) { Change(FShadowSize, v); }
  TLegendTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(TLegendTextStyle v) { Change(FTextStyle, v); }
  int TopPos() const { return FTopPos; }
  void SetTopPos(int v) { Change(FTopPos, v); }
  int VertMargin() const { return FVertMargin; }
  void SetVertMargin(int v) { Change(FVertMargin, v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Change(FVisible, v); }

private:
  TLegendAlignment FAlignment = laRight;
  TColor FColor = clWhite;
  int FColorWidth = 30;
  TPartFont FFont;
  std::unique_ptr<TChartPen> FFrame;
  int FHorizMargin = 0;
  TLegendStyle FLegendStyle = lsAuto;
  int FMaxNumRows = 10;
  bool FResizeChart = true;
  TColor FShadowColor = clBlack;
  int FShadowSize = 3;
  TLegendTextStyle FTextStyle = ltsLeftValue;
  int FTopPos = 10;
  int FVertMargin = 0;
  bool FVisible = true;
};

// Hooks a graphics object's changes to a part's owner.
void NotifyChanges(TGraphicsObject& object, const TChangeProc& changed);

}  // namespace kcl
