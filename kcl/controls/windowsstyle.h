#pragma once
// The "Windows" style of the designed controls' Qt peers, so that forms look as
// they will at run time.
class QStyle;
class QWidget;

namespace kcl {

// One style object for the peers of every designed control.
QStyle* WindowsStyle();
// Gives a peer and the widgets inside it the shared style.
void UseWindowsStyle(QWidget* widget);

}  // namespace kcl
