#include "kcl/graphics/graphicsholder.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"

namespace graphics_testing {

KCL_CLASS_INFO(TGraphicsHolder) {
  cls.property("Font", &TGraphicsHolder::Font, &TGraphicsHolder::SetFont);
  cls.property("Pen", &TGraphicsHolder::Pen, &TGraphicsHolder::SetPen);
  cls.property("Brush", &TGraphicsHolder::Brush, &TGraphicsHolder::SetBrush);
  cls.property("Glyph", &TGraphicsHolder::Glyph, &TGraphicsHolder::SetGlyph);
  cls.property("Picture", &TGraphicsHolder::Picture, &TGraphicsHolder::SetPicture);
  cls.property("Icon", &TGraphicsHolder::Icon, &TGraphicsHolder::SetIcon);
}

HolderPtr NewHolder(const std::string& name) {
  HolderPtr holder(new TGraphicsHolder(nullptr));
  holder->SetName(name);
  return holder;
}

std::string WrittenBinary(TGraphicsHolder* holder) {
  TMemoryStream stream;
  stream.WriteComponent(holder);
  return std::string(stream.View());
}

std::string WrittenText(TGraphicsHolder* holder) { return ObjectBinaryToText(WrittenBinary(holder)); }

HolderPtr ReadText(const std::string& text) {
  HolderPtr holder(new TGraphicsHolder(nullptr));
  TStringStream stream(ObjectTextToBinary(text));
  stream.ReadComponent(holder.get());
  return holder;
}

}  // namespace graphics_testing
