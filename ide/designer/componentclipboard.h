#pragma once
// Components through the clipboard, under the format "Delphi Component": one
// record a component ("TPF0" and the component written relative to its form),
// then the list end. A non-visual component travels as itself (never its wrapper)
// and gets a wrapper where it is pasted.
#include <string>

namespace korvax::designer {

class TProxyDesigner;

// The clipboard format number of "Delphi Component".
unsigned ComponentClipboardFormat();
bool ClipboardHasComponents();

// The selected components, in the order of selection.
void CopySelection(TProxyDesigner& designer);
// Copies, then deletes the selection through the designer.
void CutSelection(TProxyDesigner& designer);
// Reads the clipboard's components onto the form as one edit of the designer: each
// renamed to a fresh name of its class, put on the form itself 10 pixels right and
// down of where it was, and selected. Nothing happens without component data.
void PasteComponents(TProxyDesigner& designer);

}  // namespace korvax::designer
