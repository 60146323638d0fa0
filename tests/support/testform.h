#pragma once
// Forms for the tests of controls, and controls placed on them.
#include <memory>
#include <string>
#include <type_traits>

#include "kcl/controls/form.h"

namespace korvax::test {

using FormPtr = std::unique_ptr<kcl::TForm, kcl::TObjectFree>;

// A form of the given outer size at (0, 0), not shown.
inline FormPtr NewForm(int width = 400, int height = 300) {
  FormPtr form(new kcl::TForm(nullptr));
  form->SetBounds(0, 0, width, height);
  return form;
}

inline FormPtr ShownForm(int width = 400, int height = 300) {
  FormPtr form = NewForm(width, height);
  form->Show();
  return form;
}

// The owner a control placed on parent gets: the parent's, or the parent itself.
inline kcl::TComponent* OwnerFor(kcl::TWinControl* parent) { return parent->Owner() ? parent->Owner() : parent; }

// A control on parent at (left, top), in its own size or the one given.
template <class T>
T* Place(kcl::TWinControl* parent, int left = 8, int top = 8) {
  auto* control = new T(OwnerFor(parent));
  control->SetParent(parent);
  control->SetBounds(left, top, control->Width(), control->Height());
  return control;
}

template <class T>
T* Place(kcl::TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new T(OwnerFor(parent));
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// A control placed as the designer places it: named, with its name as caption
// when it shows one, at (left, top) in its own size.
template <class T>
T* Place(kcl::TWinControl* parent, const std::string& name, int left = 8, int top = 8) {
  auto* control = new T(OwnerFor(parent));
  control->SetParent(parent);
  control->SetName(name);
  if (control->ControlStyle().Contains(kcl::csSetCaption)) control->SetText(name);
  control->SetBounds(left, top, control->Width(), control->Height());
  return control;
}

// A component of owner named name, on parent when it is a control and a parent
// is given; it keeps the bounds it was made with.
template <class T>
T* Create(kcl::TComponent* owner, kcl::TWinControl* parent, const std::string& name) {
  auto* component = new T(owner);
  component->SetName(name);
  if constexpr (std::is_base_of_v<kcl::TControl, T>)
    if (parent) component->SetParent(parent);
  return component;
}

}  // namespace korvax::test
