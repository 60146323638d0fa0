#pragma once
// Publishing what tab controls and page controls publish alike: the tabs' looks
// from Align to TabPosition, and from TabStop to the events.
#include "kcl/classes/classbuilder.h"
#include "kcl/components/imagelist.h"
#include "kcl/components/pagecontrol.h"

namespace kcl {

template <class T>
void PublishTabLooks(TClassBuilder<T>& cls) {
  cls.publish({"Align", "DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("HotTrack", &T::HotTrack, &T::SetHotTrack).Default(false);
  cls.property("Images", &T::Images, &T::SetImages, TImageList::StaticClass().ClassTypeInfo());
  cls.property("MultiLine", &T::MultiLine, &T::SetMultiLine).Default(false);
  cls.property("OwnerDraw", &T::OwnerDraw, &T::SetOwnerDraw).Default(false);
  cls.publish({"ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("RaggedRight", &T::RaggedRight, &T::SetRaggedRight).Default(false);
  cls.property("ScrollOpposite", &T::ScrollOpposite, &T::SetScrollOpposite).Default(false);
  cls.publish({"ShowHint"});
  cls.property("TabHeight", &T::TabHeight, &T::SetTabHeight).Default(0);
  cls.publish({"TabOrder"});
  cls.property("TabPosition", &T::TabPosition, &T::SetTabPosition).Default(tpTop);
}

template <class T>
void PublishTabEvents(TClassBuilder<T>& cls) {
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("TabWidth", &T::TabWidth, &T::SetTabWidth).Default(0);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.event("OnChanging", &T::OnChanging, TTabChangingEventType());
  cls.publish({"OnDragDrop", "OnDragOver"});
  cls.event("OnDrawTab", &T::OnDrawTab, TDrawTabEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit"});
  cls.event("OnGetImageIndex", &T::OnGetImageIndex, TTabGetImageEventType());
  cls.publish({"OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

}  // namespace kcl
