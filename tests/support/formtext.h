#pragma once
// A root component and its form: the binary stream the framework writes and
// its text, either read back into a root.
#include <string>

#include "kcl/classes/component.h"

namespace korvax::test {

// The binary form of root and what it holds.
std::string WriteBinary(kcl::TComponent* root);
// Its text, lines ending in CR LF as the framework writes them.
std::string WriteText(kcl::TComponent* root);
// Its text, lines ending in LF.
std::string WriteTextLf(kcl::TComponent* root);
// The text of one component written relative to root, as a form writes it.
std::string ComponentText(kcl::TComponent* root, kcl::TComponent* component);

// Read into root. The handlers the form names that root has no method of stand
// for methods the form's unit would have.
void ReadBinary(kcl::TComponent* root, const std::string& binary);
void ReadText(kcl::TComponent* root, const std::string& text);
// Reads text into root and gives the text root writes then.
std::string TextRoundTrip(kcl::TComponent* root, const std::string& text);

}  // namespace korvax::test
