#include "kcl/components/stdtypes.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/font.h"

namespace kcl {

KCL_CLASS_INFO(TBoundStrings) {}

const TTypeInfo* TLeftRightType() {
  static const TTypeInfo* t = MakeEnumTypeFromList("TLeftRight", "taLeftJustify, taRightJustify");
  return t;
}

const TTypeInfo* TDrawItemEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawItemEvent", mkProcedure,
                                             {{0, "Control", "TWinControl"},
                                              {0, "Index", "Integer"},
                                              {0, "Rect", "TRect"},
                                              {0, "State", "TOwnerDrawState"}});
  return t;
}

const TTypeInfo* TMeasureItemEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TMeasureItemEvent", mkProcedure,
      {{0, "Control", "TWinControl"}, {0, "Index", "Integer"}, {pfVar, "Height", "Integer"}});
  return t;
}

QStyle* WindowsStyle() {
  static QStyle* style = [] {
    QStyle* s = QStyleFactory::create("Windows");
    if (!s) s = QApplication::style();
    else s->setParent(qApp);  // lives as long as the application
    return s;
  }();
  return style;
}

void UseWindowsStyle(QWidget* widget) {
  widget->setStyle(WindowsStyle());
  for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(WindowsStyle());
}

void TBoundStrings::Changed() {
  if (UpdateCount() == 0 && FChanged) FChanged();
  TStringList::Changed();
}

}  // namespace kcl
