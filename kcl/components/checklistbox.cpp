#include "kcl/components/checklistbox.h"

#include <QListWidget>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/valuedstrings.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int CheckSize = 13;
constexpr int CheckWidth = CheckSize + 2;  // the box and a pixel either side

// A Windows check box of CheckSize pixels square at (x, y).
void DrawCheckBox(TCanvas& canvas, int x, int y, TCheckBoxState state) {
  const TRect box = Bounds(x, y, CheckSize, CheckSize);
  canvas.Brush()->SetColor(state == cbGrayed ? clBtnFace : clWindow);
  canvas.FillRect(box);
  DrawBevelFrame(canvas, box, clBtnShadow, clBtnHighlight);
  DrawBevelFrame(canvas, Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1), cl3DDkShadow, cl3DLight);
  if (state == cbUnchecked) return;
  // The mark: seven columns three pixels high, down two and up four.
  static constexpr int Drops[] = {2, 3, 4, 3, 2, 1, 0};
  canvas.Brush()->SetColor(state == cbGrayed ? clBtnShadow : clWindowText);
  for (int column = 0; column < 7; ++column) canvas.FillRect(Bounds(x + 3 + column, y + 3 + Drops[column], 1, 3));
}
}  // namespace

// The items, each with its check state beside it through every change of the list.
class TCheckStrings : public TValuedStrings<TCheckBoxState> {
public:
  TCheckStrings() : TValuedStrings(cbUnchecked) {}
};

KCL_CLASS_INFO(TCheckListBox) {
  using T = TCheckListBox;
  cls.property("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed).Default(false);
  cls.event("OnClickCheck", &T::OnClickCheck, TNotifyEventType());
}

TCheckListBox::TCheckListBox(TComponent* owner) : TListBox(owner, std::make_unique<TCheckStrings>()) {}

TCheckStrings& TCheckListBox::CheckItems() const { return static_cast<TCheckStrings&>(*Items()); }

TCheckBoxState TCheckListBox::State(int index) const { return CheckItems().Value(index); }

void TCheckListBox::SetState(int index, TCheckBoxState v) {
  CheckItems().SetValue(index, v);
  if (QListWidget* list = List()) list->viewport()->update();
}

void TCheckListBox::ToggleClickCheck(int index) {
  if (index < 0 || index >= Items()->Count()) return;
  switch (State(index)) {
    case cbUnchecked: SetState(index, FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(index, cbUnchecked); break;
    case cbGrayed: SetState(index, cbChecked); break;
  }
  ClickCheck();
}

void TCheckListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TListBox::MouseDown(button, shift, x, y);
  QListWidget* list = List();
  if (button != mbLeft || !list) return;
  const QPoint at = list->viewport()->mapFrom(list, QPoint(x, y));
  const int index = ItemAtPos({at.x(), at.y()}, true);
  if (index >= 0 && at.x() - ItemRect(index).Left < CheckWidth) ToggleClickCheck(index);
}

void TCheckListBox::KeyPress(char& key) {
  TListBox::KeyPress(key);
  if (key == ' ') ToggleClickCheck(ItemIndex());
}

int TCheckListBox::MeasureItem(int index) {
  // A standard list's items are as high as the box at least.
  const int height = TListBox::MeasureItem(index);
  return Style() == lbStandard ? std::max(height, CheckSize) : height;
}

void TCheckListBox::PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) {
  const TRect box = Rect(rect.Left, rect.Top, rect.Left + CheckWidth, rect.Bottom);
  PaintOwnerDrawnItem(*Canvas(), *this, painter, box, {}, [&] {
    Canvas()->FillRect(box);
    DrawCheckBox(*Canvas(), box.Left + 1, box.Top + (box.Height() - CheckSize) / 2, State(index));
  });
  TListBox::PaintItem(painter, index, Rect(box.Right, rect.Top, rect.Right, rect.Bottom), state);
}

void TCheckListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  // A standard list draws its text whatever OnDrawItem would draw.
  if (Style() == lbStandard) return DrawItemText(index, rect);
  TListBox::DrawItem(index, rect, state);
}

}  // namespace kcl
