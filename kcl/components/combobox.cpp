#include "kcl/components/combobox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/desktop/cp1252.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// Tells the control before the list opens (OnDropDown).
class TComboPeer : public QComboBox {
public:
  TComboPeer(QWidget* parent, TCustomComboBox* control) : QComboBox(parent), FControl(control) {}
  void showPopup() override {
    if (!FControl->IsDesigning()) FControl->DropDown();
    QComboBox::showPopup();
  }

private:
  TCustomComboBox* FControl;
};

}  // namespace

KCL_CLASS_INFO(TCustomComboBox) {}

KCL_CLASS_INFO(TComboBox) {
  // Style comes before Items, so that the items are read into the right kind of box.
  cls.property("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
  cls.publish({"Color", "Ctl3D", "DragMode", "DragCursor"});
  cls.property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
  cls.publish({"Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight);
  cls.property("Items", &TComboBox::Items, &TComboBox::SetItems);
  cls.property("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0);
  cls.property("ParentColor", &TComboBox::ParentColor, &TComboBox::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).Default(true);
  cls.publish({"Text", "Visible"});
  cls.event("OnChange", &TComboBox::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TComboBox::OnDrawItem, TDrawItemEventType());
  cls.event("OnDropDown", &TComboBox::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TComboBox::OnMeasureItem, TMeasureItemEventType());
  cls.publish({"OnStartDrag"});
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TBoundStrings>([this] { ItemsChanged(); })),
      FCanvas(std::make_unique<TCanvas>()) {
  FControlStyle = {csCaptureMouse, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() { FItems->SetChangedHandler(nullptr); }

QComboBox* TCustomComboBox::Combo() const { return qobject_cast<QComboBox*>(Widget()); }

QWidget* TCustomComboBox::CreateWidget(QWidget* parentWidget) {
  auto* combo = new TComboPeer(parentWidget, this);
  combo->setItemDelegate(new TItemDelegate(combo, this));
  combo->setInsertPolicy(QComboBox::NoInsert);
  UseWindowsStyle(combo);
  QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
    if (!IsDesigning() && FUpdatingWidget == 0) UserSelected(index);
  });
  return combo;
}

void TCustomComboBox::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidget();
}

void TCustomComboBox::UpdateWidget() {
  QComboBox* combo = Combo();
  if (!combo) return;
  ++FUpdatingWidget;
  {
    const QSignalBlocker blocker(combo);
    const bool editable = Editable();
    if (combo->isEditable() != editable) {
      combo->setEditable(editable);
      if (editable) {
        UseWindowsStyle(combo->lineEdit());
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this](const QString& text) {
          if (!IsDesigning() && FUpdatingWidget == 0) UserTyped(cp1252::Encode(text));
        });
      }
    }
    combo->setMaxVisibleItems(std::max(FDropDownCount, 1));
    combo->clear();
    for (int i = 0; i < FItems->Count(); ++i) combo->addItem(AnsiToQString(FItems->Strings(i)));
    combo->setCurrentIndex(FItemIndex);
    if (QLineEdit* edit = combo->lineEdit()) {
      edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 0x7FFFFFFF);
      edit->setText(AnsiToQString(Text()));
    }
  }
  --FUpdatingWidget;
}

void TCustomComboBox::UserSelected(int index) {
  if (index < 0 || index >= FItems->Count()) return;
  FItemIndex = index;
  {
    ++FUpdatingWidget;
    OnScopeExit done([this] { --FUpdatingWidget; });
    SetText(FItems->Strings(index));
  }
  Click();
  Change();
}

void TCustomComboBox::UserTyped(const std::string& text) {
  {
    ++FUpdatingWidget;
    OnScopeExit done([this] { --FUpdatingWidget; });
    SetText(text);
  }
  Change();
}

void TCustomComboBox::TextChanged() {
  if (FUpdatingWidget > 0) return;  // the peer already shows it
  if (!Editable()) FItemIndex = FItems->IndexOf(Text());
  UpdateWidget();
}

void TCustomComboBox::ItemsChanged() {
  if (FItemIndex >= FItems->Count()) FItemIndex = -1;
  UpdateWidget();
}

void TCustomComboBox::FontChanged() {
  TWinControl::FontChanged();
  if (!IsLoading()) FItemHeight.FontChanged(*Font());
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  FStyle = v;
  UpdateWidget();
}

void TCustomComboBox::SetDropDownCount(int v) {
  FDropDownCount = v;
  UpdateWidget();
}

void TCustomComboBox::SetItemHeight(int v) { FItemHeight.Set(v); }

void TCustomComboBox::SetMaxLength(int v) {
  FMaxLength = std::max(v, 0);
  UpdateWidget();
}

void TCustomComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= FItems->Count()) throw EListError(Format(msg::ListIndexError, {v}));
  FItemIndex = v;
  {
    ++FUpdatingWidget;
    OnScopeExit done([this] { --FUpdatingWidget; });
    SetText(v >= 0 ? FItems->Strings(v) : std::string());
  }
  UpdateWidget();
}

void TCustomComboBox::Clear() {
  FItems->Clear();
  SetItemIndex(-1);
}

bool TCustomComboBox::DroppedDown() const {
  QComboBox* combo = Combo();
  return combo && combo->view()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool v) {
  QComboBox* combo = Combo();
  if (!combo) return;
  if (v)
    combo->showPopup();
  else
    combo->hidePopup();
}

int TCustomComboBox::MeasureItem(int index) {
  int height = ItemHeight();
  if (FStyle == csOwnerDrawVariable) OnMeasureItem(this, index, height);
  return std::max(height, 1);
}

void TCustomComboBox::PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) {
  PaintOwnerDrawnItem(*FCanvas, *this, painter, rect, state, [&] { DrawItem(index, rect, state); });
}

void TCustomComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem.Assigned()) return OnDrawItem(this, index, rect, state);
  FCanvas->FillRect(rect);
  if (index < FItems->Count()) FCanvas->TextOut(rect.Left + 2, rect.Top, FItems->Strings(index));
}

}  // namespace kcl
