#include "ide/designer/wrappercontrol.h"

#include <map>

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr int PictureSize = 28;
constexpr const char* WrapperPrefix = "Wrapper";

// A non-visual component's position is its design info: Left in the low word,
// Top in the high word, as its record in a form file holds them.
TPoint DesignPosition(const TComponent& component) {
  const auto info = static_cast<uint32_t>(component.DesignInfo());
  return {static_cast<int>(info & 0xFFFF), static_cast<int>(info >> 16)};
}

void SetDesignPosition(TComponent& component, TPoint p) {
  component.SetDesignInfo(static_cast<int32_t>((static_cast<uint32_t>(p.X) & 0xFFFF) |
                                               ((static_cast<uint32_t>(p.Y) & 0xFFFF) << 16)));
}

// The picture of a class (the resource named by the upper-cased class name), or
// "DEFAULT" when there is none.
void LoadClassPicture(const TComponent* component, TBitmap& picture) {
  if (!component || !LoadPicture("components", UpperCase(component->ClassName()), picture))
    LoadPicture("components", "DEFAULT", picture);
}

}  // namespace

KCL_CLASS_INFO(TWrapperControl) {}

TWrapperControl::TWrapperControl(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csFixedWidth);
  style.Include(csFixedHeight);
  SetControlStyle(style);
  Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetSize(PictureSize, PictureSize);
  TCustomControl::SetBounds(Left(), Top(), Bitmap->Width(), Bitmap->Height());
  if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
}

TWrapperControl::TWrapperControl(TComponent* owner, TComponent* component) : TWrapperControl(owner) {
  Component = component;
  const TPoint at = DesignPosition(*component);
  TCustomControl::SetBounds(at.X, at.Y, Width(), Height());
  BuildPicture();
}

TWrapperControl::~TWrapperControl() = default;

void TWrapperControl::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  if (Component) SetDesignPosition(*Component, {Left(), Top()});
}

void TWrapperControl::BuildPicture() {
  if (!Bitmap) {
    Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetSize(PictureSize, PictureSize);
  }
  // Every wrapper of a class shows the same picture: it is framed once.
  static std::map<std::string, std::unique_ptr<TBitmap>> framed;
  std::unique_ptr<TBitmap>& built = framed[Component ? Component->ClassName() : std::string()];
  if (built) {
    Bitmap->Assign(built.get());
    Invalidate();
    return;
  }
  TBitmap picture;
  LoadClassPicture(Component, picture);
  TCanvas* canvas = Bitmap->Canvas();
  const int w = Bitmap->Width(), h = Bitmap->Height();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->Pen()->SetColor(clWindowText);
  canvas->Pen()->SetMode(pmCopy);
  canvas->Pen()->SetWidth(1);
  canvas->Rectangle(0, 0, w, h);
  // A raised frame two pixels wide inside the one-pixel border.
  for (int i = 1; i <= 2; ++i) {
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(i, h - 1 - i);
    canvas->LineTo(i, i);
    canvas->LineTo(w - 1 - i, i);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->LineTo(w - 1 - i, h - 1 - i);
    canvas->LineTo(i - 1, h - 1 - i);
  }
  const int x = (w - picture.Width()) / 2, y = (h - picture.Height()) / 2;
  canvas->BrushCopy(Rect(x, y, x + picture.Width(), y + picture.Height()), &picture,
                    Rect(0, 0, picture.Width(), picture.Height()), picture.TransparentColor());
  built = std::make_unique<TBitmap>();
  built->Assign(Bitmap.get());
  Invalidate();
}

void TWrapperControl::RestoreAfterLoading() {
  const std::string name = Name();
  Component = nullptr;
  if (name.starts_with(WrapperPrefix) && Owner())
    Component = Owner()->FindComponent(name.substr(std::char_traits<char>::length(WrapperPrefix)));
  if (Component == this) Component = nullptr;
  if (Component) SetDesignPosition(*Component, {Left(), Top()});
  BuildPicture();
}

void TWrapperControl::Paint() {
  if (!Bitmap) {
    Bitmap = std::make_unique<TBitmap>();
    LoadPicture("components", "DEFAULT", *Bitmap);
  }
  Canvas()->Draw((ClientWidth() - Bitmap->Width()) / 2, (ClientHeight() - Bitmap->Height()) / 2, Bitmap.get());
}

}  // namespace korvax::designer
