#pragma once
// Form files in the designer: a form file (binary, with or without its resource
// header, or text) read into a new design form, a design form written back in the
// form it was read in, and a design form's text form.
#include <string>

namespace korvax::designer {

class TProxyForm;
class TPaletteChoice;

// A new design form holding what the form file holds, shown, with a designer of
// its own; the events the file names are bound to the designer's methods of those
// names. An inherited form is read on top of its ancestors' files, found in its
// directory (formancestry.h). nullptr when there is no such file. When the file cannot be read whole,
// error gets the framework's message and the form shows what was read before it;
// such a form is never written over its file (WriteFormFile refuses it).
TProxyForm* LoadFormFile(const std::string& fileName, TPaletteChoice& palette, std::string& error);

// Writes the form to fileName in the form it was read in (a new form: binary with
// a resource named after the form's class, upper-cased); the file is replaced only
// once the whole of it was written. The designer's own controls are not written.
// Raises the framework's error and leaves the file as it was when it cannot write,
// and EInvalidOperation for a form whose file could not be read whole.
void WriteFormFile(TProxyForm& form, const std::string& fileName);

// The name of the form a form file holds (its root object's, "Form1"), read from
// the start of the file in any of its kinds; "" when a text file starts with no
// object. Raises the framework's error when the file cannot be read.
std::string FormFileFormName(const std::string& fileName);

// Reads a component stream onto the form as a form under design (it keeps its
// own name whatever other form has it, and what it holds is in design state from
// the start); the events it names are bound to the designer's methods of those
// names. Raises the framework's error when the stream cannot be read whole.
void ReadComponentStream(TProxyForm& form, const std::string& binary);
// After reading: the methods learn their events' types and non-visual components
// get their wrappers.
void PrepareReadForm(TProxyForm& form);
// The form as the framework's writer writes it, whole.
std::string ComponentStream(TProxyForm& form);

// The form's text form ("object Form1: TForm1" ... "end"), lines ending in CR LF.
std::string FormText(TProxyForm& form);

}  // namespace korvax::designer
