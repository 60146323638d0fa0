#pragma once
// Publishing the properties and events every control class takes from TControl
// and TWinControl, by name, each with its Delphi type, default and stored rule.
// A class lists them in its own declaration order, between its own properties.
#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/wincontrol.h"
#include "kcl/graphics/font.h"

namespace kcl {

template <class T>
void PublishEvent(TClassBuilder<T>& cls, std::string_view name) {
  if (name == "OnClick") cls.event("OnClick", &T::OnClick, TNotifyEventType());
  else if (name == "OnDblClick") cls.event("OnDblClick", &T::OnDblClick, TNotifyEventType());
  else if (name == "OnDragDrop") cls.event("OnDragDrop", &T::OnDragDrop, TDragDropEventType());
  else if (name == "OnDragOver") cls.event("OnDragOver", &T::OnDragOver, TDragOverEventType());
  else if (name == "OnEndDrag") cls.event("OnEndDrag", &T::OnEndDrag, TEndDragEventType());
  else if (name == "OnStartDrag") cls.event("OnStartDrag", &T::OnStartDrag, TStartDragEventType());
  else if (name == "OnMouseDown") cls.event("OnMouseDown", &T::OnMouseDown, TMouseEventType());
  else if (name == "OnMouseMove") cls.event("OnMouseMove", &T::OnMouseMove, TMouseMoveEventType());
  else if (name == "OnMouseUp") cls.event("OnMouseUp", &T::OnMouseUp, TMouseEventType());
  else if constexpr (std::is_base_of_v<TWinControl, T>) {
    if (name == "OnEnter") cls.event("OnEnter", &T::OnEnter, TNotifyEventType());
    else if (name == "OnExit") cls.event("OnExit", &T::OnExit, TNotifyEventType());
    else if (name == "OnKeyDown") cls.event("OnKeyDown", &T::OnKeyDown, TKeyEventType());
    else if (name == "OnKeyPress") cls.event("OnKeyPress", &T::OnKeyPress, TKeyPressEventType());
    else if (name == "OnKeyUp") cls.event("OnKeyUp", &T::OnKeyUp, TKeyEventType());
    else throw std::logic_error("no standard event " + std::string(name));
  } else {
    throw std::logic_error("no standard event " + std::string(name));
  }
}

template <class T>
void PublishProperty(TClassBuilder<T>& cls, std::string_view name) {
  if (name.starts_with("On")) return PublishEvent(cls, name);
  if (name == "Align") {
    cls.property("Align", &T::Align, &T::SetAlign).Default(alNone);
  } else if (name == "Caption") {
    cls.property("Caption", &T::Caption, &T::SetCaption, TCaptionType());
  } else if (name == "Text") {
    cls.property("Text", &T::Text, &T::SetText, TCaptionType());
  } else if (name == "Color") {
    cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clWindow).Info().Stored =
        [](const TObject* o) { return !static_cast<const T*>(o)->ParentColor(); };
  } else if (name == "DragCursor") {
    cls.property("DragCursor", &T::DragCursor, &T::SetDragCursor, TCursorType()).Default(crDrag);
  } else if (name == "DragMode") {
    cls.property("DragMode", &T::DragMode, &T::SetDragMode).Default(dmManual);
  } else if (name == "Enabled") {
    cls.property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
  } else if (name == "Font") {
    cls.property("Font", &T::Font, &T::SetFont).Info().Stored = [](const TObject* o) {
      return !static_cast<const T*>(o)->ParentFont();
    };
  } else if (name == "PopupMenu") {
    cls.property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
  } else if (name == "ParentColor") {
    cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(true);
  } else if (name == "ParentFont") {
    cls.property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(true);
  } else if (name == "ParentShowHint") {
    cls.property("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint).Default(true);
  } else if (name == "ShowHint") {
    cls.property("ShowHint", &T::ShowHint, &T::SetShowHint).Info().Stored = [](const TObject* o) {
      return !static_cast<const T*>(o)->ParentShowHint();
    };
  } else if (name == "Visible") {
    cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
  } else if constexpr (std::is_base_of_v<TWinControl, T>) {
    if (name == "Ctl3D") {
      cls.property("Ctl3D", &T::Ctl3D, &T::SetCtl3D).Info().Stored = [](const TObject* o) {
        return !static_cast<const T*>(o)->ParentCtl3D();
      };
    } else if (name == "ParentCtl3D") {
      cls.property("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D).Default(true);
    } else if (name == "TabOrder") {
      cls.property("TabOrder", &T::TabOrder, &T::SetTabOrder, TTabOrderType()).Default(-1);
    } else if (name == "TabStop") {
      cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(false);
    } else if (name == "ImeMode") {
      cls.property("ImeMode", &T::ImeMode, &T::SetImeMode).Default(imDontCare);
    } else if (name == "ImeName") {
      cls.property("ImeName", &T::ImeName, &T::SetImeName, TImeNameType());
    } else {
      throw std::logic_error("no standard property " + std::string(name));
    }
  } else {
    throw std::logic_error("no standard property " + std::string(name));
  }
}

// Publishes the standard properties and events named, in that order.
template <class T>
void Publish(TClassBuilder<T>& cls, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) PublishProperty(cls, name);
}

}  // namespace kcl
