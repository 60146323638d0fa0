#pragma once
// A Delphi form file as the Free Pascal build links it: the component stream in a
// 32-bit resource file (type RCDATA, named after the form's class in capitals, as
// Delphi names it), which the LCL finds by the class of the form it creates.
#include <set>
#include <string>
#include <string_view>

namespace korvax::fpcbuild {

struct TFormResource {
  std::string Name;    // the root's class, upper-cased: "TFORM1"
  std::string Stream;  // the binary component stream, "TPF0" ...
  // Every name a property path of the form uses ("Font", "Name" for Font.Name),
  // for the program to skip those its library does not know.
  std::set<std::string> PropertyNames;
};

// Reads a binary form file (resource header and stream) or a text form file.
// Raises the framework's stream errors (EReadError, EParserError, ...) on
// malformed input.
TFormResource ReadFormResource(std::string_view formFile);

// A 32-bit resource file holding the form's stream.
std::string ResourceFileOf(const TFormResource& form);
// A 32-bit resource file holding no resource: what a project without its own
// resource file links.
std::string EmptyResourceFile();

}  // namespace korvax::fpcbuild
