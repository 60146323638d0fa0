#pragma once
// What the tests of the environment's windows share: the classes their layouts
// name, the windows freed the framework's way, and answers to modal runs.
#include <gtest/gtest.h>

#include <memory>

#include "ide/designer/catalogue.h"
#include "kcl/controls/modal.h"
#include "kcl/graphics/font.h"

namespace korvax::test {

template <class F>
using WindowPtr = std::unique_ptr<F, kcl::TObjectFree>;

// The reader finds the classes a layout names only among the registered ones;
// the program registers them at start.
inline void RegisterLayoutClasses() { designer::RegisterCatalogueClasses(); }

// Builds a window from its layout, as a window of its own.
template <class F>
WindowPtr<F> MakeWindow() {
  RegisterLayoutClasses();
  return WindowPtr<F>(new F(nullptr));
}

// Answers the modal runs while it lives.
class ModalAnswer {
public:
  explicit ModalAnswer(kcl::TModalHook answer) { kcl::SetModalHook(std::move(answer)); }
  ~ModalAnswer() { kcl::SetModalHook(nullptr); }
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;
};

struct ExpectedFont {
  const char* Name;
  int Height;
  kcl::TFontStyles Style{};
};

inline testing::AssertionResult HasFont(const kcl::TFont& font, const ExpectedFont& expected) {
  if (font.Name() == expected.Name && font.Height() == expected.Height && font.Style() == expected.Style)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "font " << font.Name() << " " << font.Height() << " with "
                                     << font.Style().Bits() << " style bits, expected " << expected.Name << " "
                                     << expected.Height;
}

}  // namespace korvax::test
