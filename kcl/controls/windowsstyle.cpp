#include "kcl/controls/windowsstyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace kcl {

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

}  // namespace kcl
