#include "kcl/components/header.h"

#include <QWidget>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

namespace {
constexpr int DividerReach = 2;  // pixels either side of an edge that grab it
constexpr int TextMargin = 4;

const TTypeInfo* TSectionEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TSectionEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "ASection", "Integer"}, {0, "AWidth", "Integer"}});
  return t;
}
}  // namespace

KCL_CLASS_INFO(THeader) {
  using T = THeader;
  cls.publish({"Align"});
  cls.property("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Enabled", "Font", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("Sections", &T::Sections, &T::SetSections);
  cls.publish({"ShowHint", "Visible"});
  cls.event("OnSizing", &T::OnSizing, TSectionEventType());
  cls.event("OnSized", &T::OnSized, TSectionEventType());
}

THeader::THeader(TComponent* owner)
    : TCustomControl(owner), FSections(std::make_unique<TValuedStrings<int>>(-1)) {
  FSections->SetChangedHandler([this] { Invalidate(); });
  FControlStyle = {csCaptureMouse};
  SetBounds(Left(), Top(), 250, 25);
}

THeader::~THeader() { FSections->SetChangedHandler(nullptr); }

void THeader::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  Invalidate();
}

int THeader::SectionWidth(int index) {
  const int width = FSections->Value(index);
  if (width >= 0) return width;
  Canvas()->SetFont(Font());
  return Canvas()->TextWidth(FSections->Strings(index)) + 2 * TextMargin;
}

void THeader::SetSectionWidth(int index, int width) {
  FSections->SetValue(index, std::max(width, 0));
  Invalidate();
}

int THeader::SectionLeft(int index) {
  int left = FBorderStyle == bsSingle ? 1 : 0;
  for (int i = 0; i < index; ++i) left += SectionWidth(i);
  return left;
}

int THeader::DividerAt(int x) {
  // The last edge within reach wins, so that a section shrunk to nothing can grow.
  int found = -1;
  for (int i = 0, right = SectionLeft(0); i < FSections->Count(); ++i) {
    right += SectionWidth(i);
    if (std::abs(x - right) <= DividerReach) found = i;
  }
  return found;
}

void THeader::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FAllowResize) FResizing = DividerAt(x);
  TCustomControl::MouseDown(button, shift, x, y);
}

void THeader::MouseMove(TShiftState shift, int x, int y) {
  if (FResizing >= 0) {
    const int width = std::max(x - SectionLeft(FResizing), 0);
    SetSectionWidth(FResizing, width);
    Sizing(FResizing, width);
  } else if (Widget()) {
    const bool overEdge = FAllowResize && DividerAt(x) >= 0;
    Widget()->setCursor(overEdge ? Qt::SplitHCursor : Qt::ArrowCursor);
  }
  TCustomControl::MouseMove(shift, x, y);
}

void THeader::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FResizing >= 0) {
    const int section = FResizing;
    FResizing = -1;
    // The sections may have changed under the drag.
    if (section < FSections->Count()) Sized(section, SectionWidth(section));
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void THeader::Paint() {
  TCanvas& canvas = *Canvas();
  TRect area = ClientRect();
  if (FBorderStyle == bsSingle) {
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(area);
    area = Rect(area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1);
  }
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(area);
  int left = area.Left;
  for (int i = 0; i <= FSections->Count() && left < area.Right; ++i) {
    // Past the last section the rest of the row is an empty one.
    const bool section = i < FSections->Count();
    const int right = section ? std::min(left + SectionWidth(i), area.Right) : area.Right;
    const TRect r = Rect(left, area.Top, right, area.Bottom);
    DrawBevelFrame(canvas, r, clBtnHighlight, clBtnShadow);
    if (section) {
      const std::string& text = FSections->Strings(i);
      canvas.Brush()->SetStyle(bsClear);
      canvas.TextRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), r.Left + TextMargin,
                      r.Top + (r.Height() - canvas.TextHeight(text)) / 2, text);
      canvas.Brush()->SetStyle(bsSolid);
    }
    left = right;
  }
}

}  // namespace kcl
