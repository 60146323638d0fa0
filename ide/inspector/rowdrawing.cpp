// Drawing the two-column rows and dragging the line between the columns.
#include "ide/inspector/objectinspector.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"

namespace korvax::inspector {

using namespace kcl;

namespace {

constexpr int SplitGrip = 3;     // pixels either side of the line that take it
constexpr int SplitMargin = 20;  // the line stays this far from the list's edges

void Line(TCanvas& canvas, TColor color, TPoint from, TPoint to) {
  canvas.Pen()->SetColor(color);
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
}

}  // namespace

TListBox* TObjectInspector::ActiveList() const {
  return PageControl1->ActivePage() == TabProperty ? PropertyBox : EventBox;
}

void TObjectInspector::PropertyBoxDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
  DrawRow(PropertyBox, index, rect, state);
}

void TObjectInspector::EventBoxDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
  DrawRow(EventBox, index, rect, state);
}

void TObjectInspector::DrawRow(TListBox* list, int index, const TRect& r, TOwnerDrawState state) {
  TCanvas& canvas = *list->Canvas();
  const bool selected = state.Contains(odSelected);
  const bool properties = list == PropertyBox;
  const int s = FSplitX;
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(list->Color());
  canvas.FillRect(r);
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetStyle(psSolid);
  canvas.Pen()->SetMode(pmCopy);
  Line(canvas, selected ? clBtnHighlight : clBtnShadow, {r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1});
  if (!selected) {
    Line(canvas, clBtnShadow, {s, r.Top + 1}, {s, r.Bottom});
    Line(canvas, clBtnHighlight, {s + 1, r.Top + 1}, {s + 1, r.Bottom});
  } else {
    Line(canvas, clBtnHighlight, {s + 2, r.Top + 1}, {s + 2, r.Bottom});
    Line(canvas, clBtnShadow, {s + 1, r.Top + 2}, {s + 1, r.Bottom});
    Line(canvas, clBtnShadow, {r.Right, r.Top}, {r.Left, r.Top});
    canvas.LineTo(r.Left, r.Bottom);
    Line(canvas, clBlack, {r.Right - 1, r.Top + 1}, {r.Left + 1, r.Top + 1});
    canvas.LineTo(r.Left + 1, r.Bottom - 1);
  }
  TRect name = Rect(r.Left + 2, r.Top + 1, s, r.Bottom - 1);
  if (selected) name = Rect(name.Left + 1, name.Top + 1, name.Right + 1, name.Bottom);
  const std::string row = list->Items()->Strings(index);
  const std::string nameText = row.substr(0, 20);
  const std::string valueText = row.size() > 20 ? row.substr(20, 235) : "";
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsClear);
  const int nameX = properties && nameText.starts_with("+") ? name.Left : name.Left + 10;
  canvas.TextRect(name, nameX, name.Top, nameText);
  canvas.Font()->SetColor(clNavy);
  canvas.TextOut(s + 4, properties ? name.Top - 2 : name.Top, valueText);
  if (!selected) return;

  if (properties) {
    // The open value list or "..." button follows its row, or hides with it.
    const bool outOfSight = (r.Top <= 0 && list->ItemIndex() != 0) || list->Height() < r.Bottom;
    if (cbValue->Visible()) {
      if (outOfSight)
        cbValue->Hide();
      else
        cbValue->SetBounds(s + 4, r.Top + 2, r.Right - s, r.Bottom - r.Top);
    } else if (Browse->Visible()) {
      if (outOfSight)
        Browse->Hide();
      else
        Browse->SetBounds(r.Right - 15, r.Top + 2, Browse->Width(), r.Bottom - r.Top);
    }
  }
  TEdit* edit = properties ? edProperty : edEvent;
  if (!edit->Focused()) {
    // The selected row looks like an edit field with its whole text selected.
    if (properties) edProperty->Hide();
    FValueRect = properties ? Rect(s + 4, r.Top + 3, r.Right, r.Bottom) : Rect(s + 2, r.Top + 4, r.Right, r.Bottom);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(FValueRect);
    canvas.Brush()->SetColor(clHighlight);
    canvas.Font()->SetColor(clHighlightText);
    canvas.TextOut(FValueRect.Left, FValueRect.Top, valueText);
    // The caret stands after the selected text.
    const int caretX = FValueRect.Left + canvas.TextWidth(valueText);
    Line(canvas, clWindowText, {caretX, FValueRect.Top + 1}, {caretX, FValueRect.Bottom - 1});
  }
  if (!properties && state.Contains(odFocused)) canvas.DrawFocusRect(r);
}

// --- the split line

void TObjectInspector::SplitMouseDown(TListBox* list, int x, int y) {
  FMouseDownX = x;
  if (std::abs(x - FSplitX) <= SplitGrip) {
    FDragging = true;
  } else if (FValueRect.Contains({x, y})) {
    list->SetCursor(crDefault);
    if (list == EventBox) {
      // A double-click in the value field reaches the handler field.
      const TPoint at = edEvent->ScreenToClient(list->ClientToScreen({x, y}));
      edEvent->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MouseMessage(WM_LBUTTONDOWN, MK_LBUTTON, at.X, at.Y).LParam);
    }
  }
}

void TObjectInspector::SplitMouseMove(TListBox* list, int x, int y) {
  if (FDragging) {
    FSplitX = std::max(std::min(x, list->ClientWidth() - SplitMargin), SplitMargin);
    PropertyBox->Invalidate();
    EventBox->Invalidate();
  } else if (std::abs(x - FSplitX) <= SplitGrip) {
    list->SetCursor(crHSplit);
  } else {
    list->SetCursor(FValueRect.Contains({x, y}) ? crIBeam : crDefault);
  }
}

void TObjectInspector::PropertyBoxMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
  SplitMouseDown(ActiveList(), x, y);
}

void TObjectInspector::PropertyBoxMouseMove(TObject*, TShiftState, int x, int y) { SplitMouseMove(ActiveList(), x, y); }

void TObjectInspector::PropertyBoxMouseUp(TObject*, TMouseButton, TShiftState, int, int) { FDragging = false; }

void TObjectInspector::EventBoxMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
  SplitMouseDown(ActiveList(), x, y);
}

void TObjectInspector::EventBoxMouseMove(TObject*, TShiftState, int x, int y) { SplitMouseMove(ActiveList(), x, y); }

void TObjectInspector::EventBoxMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  if (FDragging) edEvent->SetBounds(FValueRect.Left, FValueRect.Top, FValueRect.Width(), FValueRect.Height());
  FDragging = false;
}

}  // namespace korvax::inspector
