#pragma once
// The published property names of a class as tests compare them.
#include <string>

#include "kcl/classes/typinfo.h"

namespace korvax::test {

// Space-separated, in declaration order (ancestors first).
std::string DeclaredPropNames(kcl::TClass cls);
// Space-separated, as the object inspector lists them.
std::string ListedPropNames(kcl::TClass cls);
// Expects the listed names to be the declared ones sorted without regard to case.
void ExpectListedInNameOrder(kcl::TClass cls);
// Expects the class to declare the words of declared in that order, and to list
// them sorted without regard to case.
void ExpectPublished(kcl::TClass cls, const std::string& declared);

}  // namespace korvax::test
