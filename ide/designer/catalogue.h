#pragma once
// The component catalogue: one table of every class the designer knows. The
// palette's pages and buttons, the classes registered for reading form files
// and the component pictures are all taken from it.
#include <span>
#include <string>

#include "kcl/classes/typinfo.h"

namespace korvax::designer {

inline constexpr int PalettePageCount = 10;
// The captions of the palette's pages, in order.
extern const char* const PalettePages[PalettePageCount];

struct TCatalogueEntry {
  const char* ClassName;
  // The class, or nullptr for a palette button whose class is not implemented.
  kcl::TClass (*Class)();
  // Position in the list of classes registered for reading form files; -1 for
  // classes that are not registered.
  int StreamOrder;
  // Palette page (index into PalettePages) or -1; the button's name, Tag (-1 for
  // none) and hint. Entries of one page stand in the table in the buttons' order.
  int Page;
  const char* Button;
  int Tag;
  const char* Hint;
};

std::span<const TCatalogueEntry> Catalogue();

// The class for a palette Tag; nullptr when no button with a class has it.
kcl::TClass ClassForTag(int tag);
// Registers the classes a form file may name, in the catalogue's order; calling
// it again is harmless.
void RegisterStreamClasses();
// Registers every class of the catalogue and the classes their files need
// (persistent fields, chart series, ...), for tools that read any form file.
void RegisterCatalogueClasses();
// The file name of a class's 24 x 24 picture in the resources: the upper-cased
// class name with ".xpm".
std::string PictureFileName(const std::string& className);

}  // namespace korvax::designer
