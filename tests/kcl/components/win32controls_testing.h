#pragma once
// Helpers for the tests of the grids and the Win32 page: their property names,
// placing them on a form, and sample form records read and written back.
#include <string>
#include <vector>

#include "comctrlsstreaming.h"
#include "kcl/controls/form.h"
#include "support/propnames.h"

namespace win32controls_test {

using FormPtr = std::unique_ptr<kcl::TForm, kcl::TObjectFree>;
using RootPtr = std::unique_ptr<comctrls_test::TRecordRoot, kcl::TObjectFree>;

// Registers the grids, the Win32 page, the standard controls and the test roots.
void RegisterClassesForTests();

// Published names sorted as the object inspector lists them, and in declaration order.
using korvax::test::DeclaredPropNames;
using korvax::test::ListedPropNames;

template <class T>
T* Place(kcl::TComponent* owner, kcl::TWinControl* parent, const std::string& name) {
  auto* c = new T(owner);
  c->SetName(name);
  if (parent) c->SetParent(parent);
  return c;
}

// The sample form's record of the named component (after the records of the
// components it refers to) read into a root and written back: the text and the
// bytes must not change.
void ExpectSampleRecordRoundTrips(const std::string& file, const std::string& name,
                                  const std::vector<std::string>& referred = {});

}  // namespace win32controls_test
