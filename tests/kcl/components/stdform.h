#pragma once
// A form for the standard controls' tests: it publishes what a bare TForm
// does, streams with a handler method of its own, and places controls as the
// designer does (named, with their name as caption).
#include <deque>
#include <memory>
#include <string>

#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"

namespace korvax::test {

class TStdForm : public kcl::TForm {
  KCL_CLASS(TStdForm, kcl::TForm)
public:
  using TForm::TForm;
  int Clicks = 0;
  void ButtonClick(kcl::TObject*) { ++Clicks; }
};
using StdFormPtr = std::unique_ptr<TStdForm, kcl::TObjectFree>;
StdFormPtr NewStdForm();

template <class T>
T* Place(kcl::TWinControl* parent, const std::string& name, int left = 8, int top = 8) {
  auto* control = new T(parent->Owner() ? parent->Owner() : parent);
  control->SetParent(parent);
  control->SetName(name);
  if (control->ControlStyle().Contains(kcl::csSetCaption)) control->SetText(name);
  control->SetBounds(left, top, control->Width(), control->Height());
  return control;
}

// The binary component stream of root, and of one component relative to root.
std::string WriteForm(kcl::TComponent* root);
std::string WriteOne(kcl::TComponent* root, kcl::TComponent* component);
// Reads a binary stream into root; events name methods made up on the spot.
void ReadForm(kcl::TComponent* root, const std::string& binary);
std::string Text(const std::string& binary);

}  // namespace korvax::test
