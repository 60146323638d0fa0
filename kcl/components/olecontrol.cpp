#include "kcl/components/olecontrol.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

KCL_CLASS_INFO(TOleControl) {}

TOleControl::TOleControl(TComponent* owner) : TCustomControl(owner) {}

void TOleControl::SetControlData(std::string data) {
  FControlData = std::move(data);
  Invalidate();
}

void TOleControl::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "ControlData",
      [this](TStream& s) { SetControlData(s.ReadRest()); },
      [this](TStream& s) { s.WriteBuffer(FControlData.data(), static_cast<int64_t>(FControlData.size())); },
      !FControlData.empty());
}

void TOleControl::Paint() { PaintLabelledBox(*Canvas(), ClientRect(), ClassName()); }

KCL_CLASS_INFO(TVtChart) {
  cls.publish({"TabStop", "Align", "DragCursor", "DragMode", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                "Visible", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnStartDrag"});
}

TVtChart::TVtChart(TComponent* owner) : TOleControl(owner) { SetBounds(Left(), Top(), 200, 150); }

KCL_CLASS_INFO(TVSSpell) {}

TVSSpell::TVSSpell(TComponent* owner) : TOleControl(owner) { SetBounds(Left(), Top(), 23, 23); }

void RegisterOleControls() {
  static const bool registered = [] {
    RegisterClasses({&TVtChart::StaticClass(), &TVSSpell::StaticClass(), &TOleContainer::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl
