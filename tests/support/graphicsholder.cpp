#include "support/graphicsholder.h"

#include "kcl/classes/classbuilder.h"
#include "support/formtext.h"

namespace korvax::test {

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

HolderPtr ReadHolder(const std::string& text) {
  HolderPtr holder(new TGraphicsHolder(nullptr));
  ReadText(holder.get(), text);
  return holder;
}

}  // namespace korvax::test
