#include "kcl/components/buttons.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWidget>

#include "kcl/components/extctrls.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

// The peer of a speed button: tells it when the mouse comes and goes (Flat).
class TSpeedButtonWidget : public QWidget {
public:
  TSpeedButtonWidget(QWidget* parent, TSpeedButton* button) : QWidget(parent), FButton(button) {}

protected:
  void enterEvent(QEnterEvent*) override { FButton->MouseEnterLeave(true); }
  void leaveEvent(QEvent*) override { FButton->MouseEnterLeave(false); }

private:
  TSpeedButton* FButton;
};

namespace {

int NumGlyphsFor(const TBitmap& glyph, int current) {
  if (glyph.Empty() || glyph.Height() == 0 || glyph.Width() % glyph.Height() != 0) return current;
  const int n = glyph.Width() / glyph.Height();
  return n >= 1 && n <= 4 ? n : 1;
}

}  // namespace

KCL_CLASS_INFO(TSpeedButton) {
  cls.property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  cls.property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  cls.property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  cls.publish({"Caption", "Enabled"});
  cls.property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  cls.publish({"Font"});
  cls.property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  cls.property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
  cls.property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
  cls.property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, TNumGlyphsType()).Default(1);
  cls.publish({"ParentFont", "ParentShowHint", "ShowHint"});
  cls.property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
}

TButtonGlyphProps::TButtonGlyphProps() : FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange.SetHandler([this](TObject*) { GlyphPropsChanged(); });
}

TButtonGlyphProps::~TButtonGlyphProps() { FGlyph->OnChange.SetHandler(nullptr); }

void TButtonGlyphProps::SetGlyph(TBitmap* v) {
  FGlyph->Assign(v);
  FNumGlyphs = NumGlyphsFor(*FGlyph, FNumGlyphs);
  GlyphPropsChanged();
}

void TButtonGlyphProps::SetLayout(TButtonLayout v) {
  FLayout = v;
  GlyphPropsChanged();
}

void TButtonGlyphProps::SetMargin(int v) {
  FMargin = std::max(v, -1);
  GlyphPropsChanged();
}

void TButtonGlyphProps::SetNumGlyphs(int v) {
  FNumGlyphs = std::clamp(v, 1, 4);
  GlyphPropsChanged();
}

void TButtonGlyphProps::SetSpacing(int v) {
  FSpacing = std::max(v, -1);
  GlyphPropsChanged();
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle = {csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 25, 25);
}

QWidget* TSpeedButton::CreateWidget(QWidget* parentWidget) { return new TSpeedButtonWidget(parentWidget, this); }

void TSpeedButton::MouseEnterLeave(bool inside) {
  FMouseInControl = inside;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = TButtonState::bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FDragging) return;
  FDragging = false;
  const bool doClick = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
  if (FGroupIndex == 0) {
    FState = TButtonState::bsUp;
  } else if (doClick) {
    SetDown(!FDown);
  } else if (FDown) {
    FState = TButtonState::bsExclusive;
  }
  Invalidate();
  if (doClick) Click();
}

void TSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown) return;
  if (FDown && !FAllowAllUp) {
    FState = TButtonState::bsExclusive;  // stays down
    return;
  }
  FDown = v;
  FState = v ? TButtonState::bsExclusive : TButtonState::bsUp;
  Invalidate();
  if (v) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  for (TControl* control : Parent()->Controls()) {
    auto* other = dynamic_cast<TSpeedButton*>(control);
    if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
    if (FDown && other->FDown) {
      other->FDown = false;
      other->FState = TButtonState::bsUp;
      other->Invalidate();
    }
    other->FAllowAllUp = FAllowAllUp;
  }
}

void TSpeedButton::SetAllowAllUp(bool v) {
  FAllowAllUp = v;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int v) {
  FGroupIndex = v;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool v) {
  FFlat = v;
  Invalidate();
}

void TSpeedButton::EnabledChanged() {
  TGraphicControl::EnabledChanged();
  FState = Enabled() ? (FDown ? TButtonState::bsExclusive : TButtonState::bsUp) : TButtonState::bsDisabled;
  Invalidate();
}

void TSpeedButton::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  const bool pressed = FState == TButtonState::bsDown || FState == TButtonState::bsExclusive;
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  if (!FFlat) {
    if (pressed) {
      Frame3D(canvas, rect, cl3DDkShadow, clBtnHighlight, 1);
      Frame3D(canvas, rect, clBtnShadow, cl3DLight, 1);
    } else {
      Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
      Frame3D(canvas, rect, cl3DLight, clBtnShadow, 1);
    }
  } else {
    // A flat button shows a border only while pressed or under the mouse.
    TRect edge = rect;
    if (pressed) Frame3D(canvas, edge, clBtnShadow, clBtnHighlight, 1);
    else if ((FMouseInControl && Enabled()) || IsDesigning()) Frame3D(canvas, edge, clBtnHighlight, clBtnShadow, 1);
    rect = edge;
  }
  if (FState == TButtonState::bsExclusive && (!FFlat || !FMouseInControl)) {
    // The checked pattern of a button that stays down.
    QPainter* painter = canvas.Painter();
    if (painter) painter->fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                                   QBrush(ColorToQColor(clBtnHighlight), Qt::Dense4Pattern));
  }
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  const TButtonContent content = Content(GlyphImage(*Glyph(), NumGlyphs(), FState), Caption());
  DrawButtonContent(*painter, rect, pressed ? TPoint{1, 1} : TPoint{}, content, *Font(), Enabled());
}

// --- TBitBtn

namespace {

struct KindInfo {
  const char* Caption;
  TModalResult Result;
};

constexpr KindInfo Kinds[] = {
    {"", mrNone},         {"OK", mrOk},          {"Cancel", mrCancel},   {"&Help", mrNone},
    {"&Yes", mrYes},      {"&No", mrNo},         {"&Close", mrNone},     {"Abort", mrAbort},
    {"&Retry", mrRetry},  {"&Ignore", mrIgnore}, {"&All", mrAll},
};

// The small pictures of the stock kinds, drawn rather than stored.
QImage KindGlyph(TBitBtnKind kind) {
  QImage image(18, 18, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPen green(QColor(0, 128, 0), 2.5), red(QColor(192, 0, 0), 2.5), blue(QColor(0, 0, 160), 2.5);
  switch (kind) {
    case bkOK:
    case bkYes:
      p.setPen(green);
      p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(7, 14), QPointF(15, 3)}));
      break;
    case bkAll:
      p.setPen(green);
      p.drawPolyline(QPolygonF({QPointF(1, 9), QPointF(4, 13), QPointF(10, 4)}));
      p.drawPolyline(QPolygonF({QPointF(7, 9), QPointF(10, 13), QPointF(17, 4)}));
      break;
    case bkCancel:
    case bkAbort:
      p.setPen(red);
      p.drawLine(4, 4, 14, 14);
      p.drawLine(14, 4, 4, 14);
      break;
    case bkNo:
      p.setPen(red);
      p.drawEllipse(3, 3, 12, 12);
      p.drawLine(5, 13, 13, 5);
      break;
    case bkHelp:
      p.setPen(blue);
      p.setFont(QFont("Sans", 12, QFont::Bold));
      p.drawText(image.rect(), Qt::AlignCenter, "?");
      break;
    case bkClose:
      p.setPen(QPen(QColor(128, 128, 0), 1.5));
      p.drawRect(4, 2, 9, 14);
      p.drawPoint(11, 9);
      break;
    case bkRetry:
      p.setPen(green);
      p.drawArc(3, 3, 12, 12, 30 * 16, 300 * 16);
      break;
    case bkIgnore:
      p.setPen(blue);
      p.drawLine(3, 9, 15, 9);
      break;
    default:
      break;
  }
  return image;
}

}  // namespace

KCL_CLASS_INFO(TBitBtn) {
  cls.republish("Cancel").Stored(&TBitBtn::IsCustom);
  cls.republish("Caption").Stored(&TBitBtn::IsCustomCaption);
  cls.republish("Default").Stored(&TBitBtn::IsCustom);
  cls.republish("ModalResult").Stored(&TBitBtn::IsCustom);
  cls.property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustom);
  cls.property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  cls.property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
  cls.property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
  cls.property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, TNumGlyphsType())
      .Default(1)
      .Stored(&TBitBtn::IsCustom);
  cls.property("Style", &TBitBtn::Style, &TBitBtn::SetStyle).Default(TButtonStyle::bsAutoDetect);
  cls.property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

bool TBitBtn::IsCustomCaption() const { return Caption() != Kinds[FKind].Caption; }

void TBitBtn::SetKind(TBitBtnKind v) {
  if (v == FKind) return;
  FKind = v;
  if (v != bkCustom) {
    SetDefault(v == bkOK || v == bkYes);
    SetCancel(v == bkCancel || v == bkNo);
    // A caption read from the form file stays.
    if (!IsLoading() || Caption().empty()) SetCaption(Kinds[v].Caption);
    SetModalResult(Kinds[v].Result);
  }
  Invalidate();
}

void TBitBtn::SetStyle(TButtonStyle v) {
  FStyle = v;
  Invalidate();
}

void TBitBtn::Click() {
  if (FKind == bkClose) {
    if (TCustomForm* form = GetParentForm()) return form->Close();
  }
  TButton::Click();
}

QImage TBitBtn::CurrentGlyph(TButtonState state) const {
  if (FKind == bkCustom || !Glyph()->Empty()) return GlyphImage(*Glyph(), NumGlyphs(), state);
  const QImage glyph = KindGlyph(FKind);
  return state == TButtonState::bsDisabled ? EmbossedImage(glyph) : glyph;
}

bool TBitBtn::PaintWidget() {
  auto* button = qobject_cast<QPushButton*>(Widget());
  if (!button) return false;
  QPainter painter(button);
  QStyleOptionButton option;
  option.initFrom(button);
  option.state |= button->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  if (Default()) option.features |= QStyleOptionButton::DefaultButton;
  button->style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, button);
  const TButtonState state = !Enabled()          ? TButtonState::bsDisabled
                             : button->isDown() ? TButtonState::bsDown
                                                : TButtonState::bsUp;
  const TButtonContent content = Content(CurrentGlyph(state), Caption());
  DrawButtonContent(painter, Rect(2, 2, Width() - 2, Height() - 2), button->isDown() ? TPoint{1, 1} : TPoint{},
                    content, *Font(), Enabled());
  if (button->hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(button);
    focus.rect = button->rect().adjusted(4, 4, -4, -4);
    button->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, button);
  }
  return true;
}

}  // namespace kcl
