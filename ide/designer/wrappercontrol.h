#pragma once
// TWrapperControl: the 28 x 28 framed picture that stands for a non-visual
// component (a timer, a dialog, a table) on a design form, and carries its
// position. It is the designer's own: the component's position is kept in the
// component's record (Left and Top), and the wrapper is never written to a form
// file. The wrapper of Timer1 is named WrapperTimer1.
#include <memory>
#include <string>

#include "kcl/controls/customcontrol.h"
#include "kcl/graphics/bitmap.h"

namespace korvax::designer {

class TWrapperControl : public kcl::TCustomControl {
  KCL_CLASS(TWrapperControl, kcl::TCustomControl)
public:
  // On owner (the design form), for component, at the component's recorded position.
  TWrapperControl(kcl::TComponent* owner, kcl::TComponent* component);
  // The framework's way of making one from a form file's record (older files
  // hold wrappers): linked to its component by name afterwards.
  explicit TWrapperControl(kcl::TComponent* owner);
  ~TWrapperControl() override;

  static std::string WrapperName(const std::string& componentName) { return "Wrapper" + componentName; }

  kcl::TComponent* Component = nullptr;
  std::unique_ptr<kcl::TBitmap> Bitmap;

  // Builds the framed picture of the component's class ("DEFAULT" without one).
  void BuildPicture();
  // After a form that holds wrapper records was read: links the wrapper to the
  // component the form owns under the wrapper's name less "Wrapper", gives the
  // component the wrapper's position, and builds the picture ("DEFAULT" and no
  // component when there is none).
  void RestoreAfterLoading();

  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
};

}  // namespace korvax::designer
