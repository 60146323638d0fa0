#pragma once
// Inherited form files: the form file a form inherits from, found among the files
// of its directory, and the chain of form files an inherited form is built from.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/component.h"

namespace korvax::designer {

using TComponentPtr = std::unique_ptr<kcl::TComponent, kcl::TObjectFree>;

// The component stream of a binary form file (its resource header skipped).
std::string StreamData(const std::string& fileBytes);
// The class name of a binary form file's root component ("" when the data is
// not a form file).
std::string RootClassName(const std::string& fileBytes);
// Whether the form file's root is written as the differences from an ancestor.
bool IsInheritedForm(const std::string& fileBytes);

// Gives the bytes of the form file that an inherited form file inherits from, or
// "" when there is none.
using TAncestorFinder = std::function<std::string(const std::string& fileBytes)>;

// The form files an inherited form is built from, its base form first and the
// form itself last. Raises EReadError "Ancestor for '%s' not found" when one is missing.
std::vector<std::string> Ancestry(const std::string& fileBytes, const TAncestorFinder& findAncestor);

// Finds the ancestor of an inherited form file among the form files in directory:
// the one whose root class a unit there names as the form's base class, or else
// the smallest form that holds every component the form inherits, a form that is
// not itself inherited first.
std::string AncestorInDirectory(const std::string& directory, const std::string& fileBytes);

// The first count form files of an ancestry read, in order, into one form (a
// data module when the base holds one) whose class derives from each of theirs
// in turn; event handlers exist by name only, as in a designed form.
TComponentPtr LoadChain(const std::vector<std::string>& chain, size_t count);

}  // namespace korvax::designer
