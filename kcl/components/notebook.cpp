#include "kcl/components/notebook.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

// --- TPage

KCL_CLASS_INFO(TPage) {
  using T = TPage;
  cls.republish("Width").Stored(false);
  cls.republish("Height").Stored(false);
  cls.publish({"Caption"});
  cls.property("TabOrder", &T::TabOrder, &T::SetTabOrder, TTabOrderType()).Default(-1).Stored(false);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true).Stored(false);
}

TPage::TPage(TComponent* owner) : TStackedPage(owner) { SetAlign(alClient); }

void TPage::Paint() {
  if (!IsDesigning()) return;
  // The designer sees where the page ends.
  TCanvas& canvas = *Canvas();
  canvas.Pen()->SetStyle(psDash);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Rectangle(0, 0, Width(), Height());
}

// --- TNotebook

KCL_CLASS_INFO(TNotebook) {
  using T = TNotebook;
  cls.property("ActivePage", &T::ActivePage, &T::SetActivePage).Stored(false);
  cls.publish({"Align", "Color", "Ctl3D", "DragCursor", "DragMode", "Font", "Enabled"});
  cls.property("PageIndex", &T::PageIndex, &T::SetPageIndex).Default(0);
  cls.property("Pages", &T::Pages, &T::SetPages).Stored(false);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnPageChanged", &T::OnPageChanged, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TNotebook::TNotebook(TComponent* owner) : TPageStack(owner) {
  FControlStyle = {csDoubleClicks};
  SetBounds(0, 0, 150, 150);
  Pages()->Add("Default");
}

}  // namespace kcl
