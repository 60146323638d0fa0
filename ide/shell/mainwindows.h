#pragma once
// The three windows that live for the whole run, made at start in this order:
// the main window, the editor and the object inspector.
#include "ide/editor/editorform.h"

namespace korvax::inspector {
class TObjectInspector;
}

namespace korvax {

using editor::EditorForm;
extern inspector::TObjectInspector* ObjectInspector;

// Registers the classes the windows' layouts and form files name, titles the
// application "Korvax " and creates the three windows; the main window is the
// application's main form.
void CreateMainWindows();

}  // namespace korvax
