#pragma once
// A component that publishes one of each graphics object, for streaming tests,
// and the text form of what it writes.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/icon.h"
#include "kcl/graphics/pen.h"
#include "kcl/graphics/picture.h"

namespace graphics_testing {

using namespace kcl;

class TGraphicsHolder : public TComponent {
  KCL_CLASS(TGraphicsHolder, TComponent)
public:
  using TComponent::TComponent;
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* v) { FFont->Assign(v); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* v) { FPen->Assign(v); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* v) { FBrush->Assign(v); }
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* v) { FGlyph->Assign(v); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* v) { FPicture->Assign(v); }
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* v) { FIcon->Assign(v); }

private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
  std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
  std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();
};

using HolderPtr = std::unique_ptr<TGraphicsHolder, TObjectFree>;
HolderPtr NewHolder(const std::string& name = "Holder1");

// The binary stream the holder writes, and its text form.
std::string WrittenBinary(TGraphicsHolder* holder);
std::string WrittenText(TGraphicsHolder* holder);
// Reads a text form into a new holder.
HolderPtr ReadText(const std::string& text);

}  // namespace graphics_testing
