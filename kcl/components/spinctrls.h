#pragma once
// TSpinButton: an up and a down arrow, one above the other, reporting
// OnUpClick and OnDownClick. TSpinEdit: an edit for a whole number with a spin
// button at its right; the arrows (on screen or on the keyboard) step Value by
// Increment, which stays between MinValue and MaxValue unless they are equal.
#include <memory>

#include "kcl/components/edit.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

class TBitmap;

class TSpinButton : public TCustomControl {
  KCL_CLASS(TSpinButton, TCustomControl)
public:
  explicit TSpinButton(TComponent* owner);
  ~TSpinButton() override;

  // Empty glyphs draw the framework's arrows; glyphs of the form's own are written.
  TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(TBitmap* v);
  bool IsUpGlyphStored() const;
  TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(TBitmap* v);
  bool IsDownGlyphStored() const;
  int UpNumGlyphs() const { return FUpNumGlyphs; }
  void SetUpNumGlyphs(int v);
  int DownNumGlyphs() const { return FDownNumGlyphs; }
  void SetDownNumGlyphs(int v);
  // The control that takes the focus when an arrow is clicked.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* v);

  // The upper half is the up arrow.
  TRect UpRect() const { return Rect(0, 0, Width(), Height() / 2); }
  TRect DownRect() const { return Rect(0, Height() / 2, Width(), Height()); }
  void UpClick() { OnUpClick(this); }
  void DownClick() { OnDownClick(this); }

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void PaintArrow(const TRect& rect, bool up, bool down);

  std::unique_ptr<TBitmap> FUpGlyph;
  std::unique_ptr<TBitmap> FDownGlyph;
  int FUpNumGlyphs = 1;
  int FDownNumGlyphs = 1;
  TWinControl* FFocusControl = nullptr;
  int FPressed = 0;  // 1 up, -1 down
};

class TSpinEdit : public TCustomEdit {
  KCL_CLASS(TSpinEdit, TCustomEdit)
public:
  explicit TSpinEdit(TComponent* owner);

  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool v) { FEditorEnabled = v; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int v) { FIncrement = v; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int v) { FMaxValue = v; }
  int MinValue() const { return FMinValue; }
  void SetMinValue(int v) { FMinValue = v; }
  // The number in the text; MinValue when the text is not one.
  int Value() const;
  void SetValue(int v);
  // The value brought into MinValue..MaxValue (any value when the two are equal).
  int CheckValue(int v) const;
  TSpinButton* Button() const { return FButton; }

  // What the edit lets the user type.
  bool IsValidChar(char key) const;

  void SetBounds(int left, int top, int width, int height) override;
  void UpClick();
  void DownClick();

protected:
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DoExit() override;
  void InitWidget() override;

private:
  void PlaceButton();

  bool FEditorEnabled = true;
  int FIncrement = 1;
  int FMaxValue = 0;
  int FMinValue = 0;
  TSpinButton* FButton = nullptr;
};

}  // namespace kcl
