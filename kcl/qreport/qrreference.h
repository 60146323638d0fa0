#pragma once
// A report component's reference to another component, dropped when that one goes.
#include "kcl/classes/component.h"

namespace kcl {

// Points field at value and asks value to tell owner when it goes.
template <class T>
void LinkReference(TComponent* owner, T*& field, T* value) {
  field = value;
  if (value) value->FreeNotification(owner);
}

// Clears field when component goes.
template <class T>
void UnlinkReference(T*& field, TComponent* component) {
  if (field && static_cast<TComponent*>(field) == component) field = nullptr;
}

}  // namespace kcl
