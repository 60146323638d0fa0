#include "kcl/components/spinctrls.h"

#include <QLineEdit>

#include "kcl/components/buttonglyph.h"
#include "kcl/components/extctrls.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {
constexpr int ButtonWidth = 15;
}

// --- TSpinButton

KCL_CLASS_INFO(TSpinButton) {
  using T = TSpinButton;
  cls.publish({"Align", "Ctl3D"});
  cls.property("DownGlyph", &T::DownGlyph, &T::SetDownGlyph).Stored(&T::IsDownGlyphStored);
  cls.property("DownNumGlyphs", &T::DownNumGlyphs, &T::SetDownNumGlyphs, TNumGlyphsType()).Default(1);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("FocusControl", &T::FocusControl, &T::SetFocusControl);
  cls.publish({"ParentCtl3D", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop"});
  cls.property("UpGlyph", &T::UpGlyph, &T::SetUpGlyph).Stored(&T::IsUpGlyphStored);
  cls.property("UpNumGlyphs", &T::UpNumGlyphs, &T::SetUpNumGlyphs, TNumGlyphsType()).Default(1);
  cls.publish({"Visible"});
  cls.event("OnDownClick", &T::OnDownClick, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnStartDrag"});
  cls.event("OnUpClick", &T::OnUpClick, TNotifyEventType());
}

TSpinButton::TSpinButton(TComponent* owner)
    : TCustomControl(owner), FUpGlyph(std::make_unique<TBitmap>()), FDownGlyph(std::make_unique<TBitmap>()) {
  FControlStyle = {csCaptureMouse, csOpaque, csFramed};
  SetBounds(0, 0, 20, 25);
  for (TBitmap* glyph : {FUpGlyph.get(), FDownGlyph.get()})
    glyph->OnChange.SetHandler([this](TObject*) { Invalidate(); });
}

TSpinButton::~TSpinButton() = default;

void TSpinButton::SetUpGlyph(TBitmap* v) { FUpGlyph->Assign(v); }
void TSpinButton::SetDownGlyph(TBitmap* v) { FDownGlyph->Assign(v); }
bool TSpinButton::IsUpGlyphStored() const { return !FUpGlyph->Empty(); }
bool TSpinButton::IsDownGlyphStored() const { return !FDownGlyph->Empty(); }

void TSpinButton::SetUpNumGlyphs(int v) {
  FUpNumGlyphs = std::clamp(v, 1, 4);
  Invalidate();
}

void TSpinButton::SetDownNumGlyphs(int v) {
  FDownNumGlyphs = std::clamp(v, 1, 4);
  Invalidate();
}

void TSpinButton::SetFocusControl(TWinControl* v) {
  FFocusControl = v;
  if (v) v->FreeNotification(this);
}

void TSpinButton::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || IsDesigning()) return;
  if (TWinControl* focus = FFocusControl ? FFocusControl : this; focus->CanFocus()) focus->SetFocus();
  FPressed = y < Height() / 2 ? 1 : -1;
  Invalidate();
  if (FPressed > 0) UpClick();
  else DownClick();
}

void TSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  FPressed = 0;
  Invalidate();
}

void TSpinButton::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_UP) UpClick();
  else if (key == VK_DOWN) DownClick();
}

void TSpinButton::Paint() {
  PaintArrow(UpRect(), true, FPressed > 0);
  PaintArrow(DownRect(), false, FPressed < 0);
}

void TSpinButton::PaintArrow(const TRect& rect, bool up, bool down) {
  TCanvas& canvas = *Canvas();
  TRect r = rect;
  Frame3D(canvas, r, down ? clBtnShadow : clBtnHighlight, down ? clBtnHighlight : clBtnShadow, 1);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(r);
  TBitmap* glyph = up ? FUpGlyph.get() : FDownGlyph.get();
  const int cx = (r.Left + r.Right) / 2 + (down ? 1 : 0), cy = (r.Top + r.Bottom) / 2 + (down ? 1 : 0);
  if (!glyph->Empty()) {
    // The first of NumGlyphs images side by side is the one for the normal state.
    const int count = up ? FUpNumGlyphs : FDownNumGlyphs;
    const int w = glyph->Width() / count, h = glyph->Height();
    canvas.CopyRect(Rect(cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h), glyph->Canvas(), Rect(0, 0, w, h));
    return;
  }
  const int half = std::max(1, std::min(r.Width() / 4, r.Height() / 2));
  const TColor color = Enabled() ? clBtnText : clBtnShadow;
  canvas.Pen()->SetColor(color);
  canvas.Brush()->SetColor(color);
  const int tipY = up ? cy - half / 2 : cy + half / 2, baseY = up ? tipY + half : tipY - half;
  const TPoint arrow[] = {{cx - half, baseY}, {cx, tipY}, {cx + half, baseY}};
  canvas.Polygon(arrow);
}

// --- TSpinEdit

KCL_CLASS_INFO(TSpinEdit) {
  using T = TSpinEdit;
  cls.property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode"});
  cls.property("EditorEnabled", &T::EditorEnabled, &T::SetEditorEnabled).Default(true);
  cls.publish({"Enabled", "Font"});
  cls.property("Increment", &T::Increment, &T::SetIncrement).Default(1);
  cls.property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
  cls.property("MaxValue", &T::MaxValue, &T::SetMaxValue);
  cls.property("MinValue", &T::MinValue, &T::SetMinValue);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("Value", &T::Value, &T::SetValue);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  FControlStyle.Exclude(csSetCaption);
  FButton = new TSpinButton(this);
  FButton->SetTabStop(false);
  FButton->SetFocusControl(this);
  FButton->OnUpClick.SetHandler([this](TObject*) { UpClick(); });
  FButton->OnDownClick.SetHandler([this](TObject*) { DownClick(); });
  FButton->SetParent(this);
  SetBounds(Left(), Top(), 121, 22);
  SetText("0");
}

void TSpinEdit::SetBounds(int left, int top, int width, int height) {
  TCustomEdit::SetBounds(left, top, width, height);
  PlaceButton();
}

void TSpinEdit::PlaceButton() {
  if (!FButton) return;
  // Inside the sunken border, at the right.
  const int border = BorderStyle() == bsSingle ? 2 : 0;
  FButton->SetBounds(Width() - border - ButtonWidth, border, ButtonWidth, std::max(0, Height() - 2 * border));
  if (auto* edit = qobject_cast<QLineEdit*>(Widget())) edit->setTextMargins(0, 0, ButtonWidth, 0);
}

void TSpinEdit::InitWidget() {
  TCustomEdit::InitWidget();
  PlaceButton();
}

int TSpinEdit::Value() const {
  int32_t value = 0;
  return TryStrToInt(Text(), value) ? value : FMinValue;
}

void TSpinEdit::SetValue(int v) { SetText(IntToStr(CheckValue(v))); }

int TSpinEdit::CheckValue(int v) const {
  if (FMaxValue == FMinValue) return v;
  return std::clamp(v, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

void TSpinEdit::UpClick() {
  if (!ReadOnly()) SetValue(Value() + FIncrement);
}

void TSpinEdit::DownClick() {
  if (!ReadOnly()) SetValue(Value() - FIncrement);
}

bool TSpinEdit::IsValidChar(char key) const {
  // Digits and signs only; with the editor off, nothing that changes the text.
  const bool control = static_cast<unsigned char>(key) < 32 || key == 127;
  const bool valid = (control && key != '\r') || key == '-' || key == '+' || (key >= '0' && key <= '9');
  const bool edits = !control || key == '\b' || key == 127;
  return valid && (FEditorEnabled || !edits);
}

void TSpinEdit::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_UP) UpClick();
  else if (key == VK_DOWN) DownClick();
  // The keys that type characters are judged here too: the peer types them itself.
  const bool command = shift.Contains(ssCtrl) || shift.Contains(ssAlt);
  char typed = 0;
  if (key >= 'A' && key <= 'Z') typed = static_cast<char>(key);
  else if (key >= '0' && key <= '9') typed = shift.Contains(ssShift) ? '!' : static_cast<char>(key);
  else if (key == VK_SPACE) typed = ' ';
  else if (key == VK_BACK) typed = '\b';
  else if (key == VK_DELETE) typed = 127;
  if (typed && !command && !IsValidChar(typed)) key = 0;
  TCustomEdit::KeyDown(key, shift);
}

void TSpinEdit::KeyPress(char& key) {
  if (!IsValidChar(key)) key = 0;
  TCustomEdit::KeyPress(key);
}

void TSpinEdit::DoExit() {
  if (CheckValue(Value()) != Value()) SetValue(Value());
  TCustomEdit::DoExit();
}

}  // namespace kcl
