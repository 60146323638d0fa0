#pragma once
// The project source (.dpr) as lines of text, and the line-level edits the whole
// program makes to it. Every lookup is a case-sensitive substring search in which
// the first matching line wins.
#include <memory>
#include <string>
#include <string_view>

#include "kcl/classes/stringlist.h"

namespace korvax {


// The fourteen lines of a new project: program Project1 with Unit1 and Form1.
std::unique_ptr<kcl::TStringList> NewProjectSource();

// The index of the first line containing text, or -1.
int FindSourceLine(const kcl::TStrings& source, std::string_view text);

// Appends "  Unit2 in 'Unit2.pas' {Form2};" to the uses clause, laid out as the
// default text lays it out: its last entry, a blank line, "{$R *.RES}". That
// entry's closing ';' (or the ',' a removed last entry left behind) becomes ','.
// Returns false, and changes nothing, when the source is laid out otherwise (no
// "{$R *.RES}" line, fewer than two lines before it, no blank line between, an
// entry ending in neither): inserting there would break the clause.
bool AddUnitToProjectSource(kcl::TStrings& source, std::string_view unitFile, std::string_view formFile);

// "  Tools in 'sub/Tools.pas' {ToolForm};", without the braces when formName is empty.
std::string UsesEntry(std::string_view unitName, std::string_view path, std::string_view formName);
// Appends an entry made by UsesEntry to the uses clause as AddUnitToProjectSource does.
bool AddUsesEntry(kcl::TStrings& source, const std::string& entry);

// The index of the uses-clause entry of the unit ("Unit1 in 'Unit1.pas' {Form1},"
// for Unit1, its letter case aside), or -1.
int FindUsesEntry(const kcl::TStrings& source, std::string_view unitName);
// Deletes the unit's uses-clause entry. When it was the last entry, the one
// before it ends the clause with ';' in its place. False when there is none.
bool DeleteUsesEntry(kcl::TStrings& source, std::string_view unitName);

// Deletes the first line containing text; neighbouring lines are left as they
// are. Returns false, and deletes nothing, when no line contains it or text is
// empty (it would otherwise match the program line).
bool DeleteProjectSourceLine(kcl::TStrings& source, std::string_view text);

}  // namespace korvax
