#pragma once
// What controls show, pixel by pixel.
#include <QColor>
#include <QImage>
#include <cstdlib>

#include "kcl/controls/form.h"
#include "support/testform.h"

namespace korvax::test {

// A shown form with a white client area for controls to paint on.
inline FormPtr NewPaintingForm(int width = 300, int height = 250) {
  FormPtr form = NewForm(width, height);
  form->SetColor(kcl::clWhite);
  form->Show();
  return form;
}

// The colour at (x, y) of the control as its parent shows it.
inline QColor ColorAt(kcl::TControl* control, int x, int y) {
  const QImage shot = control->Parent()->ClientWidget()->grab().toImage();
  return shot.pixelColor(control->Left() + x, control->Top() + y);
}

// The pixels of about the colour (text is smoothed) in the control's area of the form.
inline int CountColor(kcl::TForm* form, kcl::TControl* control, QColor color) {
  const QImage shot = form->ClientWidget()->grab().toImage();
  const auto near = [&](QColor c) {
    return std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) + std::abs(c.blue() - color.blue()) <
           60;
  };
  int count = 0;
  for (int y = control->Top(); y < control->Top() + control->Height(); ++y)
    for (int x = control->Left(); x < control->Left() + control->Width(); ++x) count += near(shot.pixelColor(x, y));
  return count;
}

}  // namespace korvax::test
