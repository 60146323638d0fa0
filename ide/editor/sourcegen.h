#pragma once
// The unit source kept in step with the designer by plain line edits: the text
// of a new unit, a component's field line, an event handler's declaration and
// body, and the unit header. Lines are found by text; there is no parser.
#include <memory>
#include <string>
#include <string_view>

#include "kcl/classes/stringlist.h"

namespace korvax::editor {

// The 23 lines of a new unit declaring the form class T<formName>.
std::unique_ptr<kcl::TStringList> NewUnitSource(const std::string& unitName, const std::string& formName);

// The first line containing text (case-sensitive), 0 when none.
int FindLine(const kcl::TStrings& lines, const std::string& text);

// Adds "    Name:TClass;" right under the form class header.
void AddComponentField(kcl::TStrings& lines, const std::string& name, const std::string& className);
// Removes the field line that declares exactly name (not Button10 for Button1).
void RemoveComponentField(kcl::TStrings& lines, const std::string& name);
// Renames the field line of oldName.
void RenameComponentField(kcl::TStrings& lines, const std::string& oldName, const std::string& newName);

// Adds the unit to the end of the interface's uses clause ("..., Dialogs, StdCtrls;")
// unless the clause names it already; nothing when the unit has no such clause.
void AddUnitToUses(kcl::TStrings& lines, std::string_view unit);

// The form class's component field lines, each with its place in the class's
// published part, and the line that ends the uses clause, as one text (undo keeps
// it with the form); "" when the unit declares no form class.
std::string ComponentFieldLines(const kcl::TStrings& lines);
// Puts back what ComponentFieldLines took: the published part's field lines are
// replaced by those. Nothing for "".
void RestoreComponentFieldLines(kcl::TStrings& lines, const std::string& fields);

// Declares the handler in the form class (after the component fields) and puts
// an empty body before the last two lines; the line inside the body.
int AddHandlerText(kcl::TStrings& lines, const std::string& formName, const std::string& handlerText);
// The line inside the handler's body ("procedure T<form>.<handler>"), or, when
// there is none, the line the caret falls back to.
int HandlerBodyLine(const kcl::TStrings& lines, const std::string& formName, const std::string& handlerText);
// Whether the unit has the handler's body.
bool HasHandlerBody(const kcl::TStrings& lines, const std::string& formName, const std::string& handlerText);

// "unit <name>;" for a new file name, when line 0 holds "unit".
void SetUnitNameText(kcl::TStrings& lines, const std::string& fileName);

}  // namespace korvax::editor
