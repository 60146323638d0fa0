#pragma once
// The forms a program creates as it starts: the project source's
// "Application.CreateForm(TForm1,Form1);" lines after "{$R *.RES}", the first of
// them the main form.
#include <string>
#include <string_view>
#include <vector>

#include "kcl/classes/stringlist.h"

namespace korvax {

// The form variable a CreateForm statement creates ("Form1"), or "" for any other
// line, a commented-out one too.
std::string CreatedForm(std::string_view line);

// The form a Forms entry names: "Form2" for "Form2", "Form2.dfm" and "/p/Form2.dfm".
std::string FormNameOfEntry(std::string_view entry);

// The Forms entries split into those the program creates, in the order it creates
// them (the main form first), and the others in their order. A CreateForm line
// creates exactly the form it names: Form1 is not created by Form10's line.
void SplitAutoCreateForms(const kcl::TStrings& source, const kcl::TStrings& forms, kcl::TStrings& autoCreate,
                          kcl::TStrings& available);

// Makes the program create exactly the forms named, in that order, the main form
// first. A form that has a CreateForm line keeps that line's text; a new one gets
// "  Application.CreateForm(TForm2,Form2);". The lines go where the first one was,
// or before "Application.Run" when there was none; no other line changes. Returns
// whether the source changed: false when it already creates those forms in that
// order, or has neither a CreateForm line nor "Application.Run" to put them by.
bool SetAutoCreateForms(kcl::TStrings& source, const std::vector<std::string>& forms);

}  // namespace korvax
