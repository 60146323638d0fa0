#pragma once
// A component that publishes one of each graphics object, for streaming tests.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/icon.h"
#include "kcl/graphics/pen.h"
#include "kcl/graphics/picture.h"

namespace korvax::test {

class TGraphicsHolder : public kcl::TComponent {
  KCL_CLASS(TGraphicsHolder, kcl::TComponent)
public:
  using TComponent::TComponent;
  kcl::TFont* Font() const { return FFont.get(); }
  void SetFont(kcl::TFont* v) { FFont->Assign(v); }
  kcl::TPen* Pen() const { return FPen.get(); }
  void SetPen(kcl::TPen* v) { FPen->Assign(v); }
  kcl::TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(kcl::TBrush* v) { FBrush->Assign(v); }
  kcl::TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(kcl::TBitmap* v) { FGlyph->Assign(v); }
  kcl::TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(kcl::TPicture* v) { FPicture->Assign(v); }
  kcl::TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(kcl::TIcon* v) { FIcon->Assign(v); }

private:
  std::unique_ptr<kcl::TFont> FFont = std::make_unique<kcl::TFont>();
  std::unique_ptr<kcl::TPen> FPen = std::make_unique<kcl::TPen>();
  std::unique_ptr<kcl::TBrush> FBrush = std::make_unique<kcl::TBrush>();
  std::unique_ptr<kcl::TBitmap> FGlyph = std::make_unique<kcl::TBitmap>();
  std::unique_ptr<kcl::TPicture> FPicture = std::make_unique<kcl::TPicture>();
  std::unique_ptr<kcl::TIcon> FIcon = std::make_unique<kcl::TIcon>();
};
using HolderPtr = std::unique_ptr<TGraphicsHolder, kcl::TObjectFree>;

HolderPtr NewHolder(const std::string& name = "Holder1");
// A new holder that has read the form text.
HolderPtr ReadHolder(const std::string& text);

}  // namespace korvax::test
