#pragma once
// Loads a binary form file into live components as the form designer does and
// writes it back under the root's class name, to tell whether the file comes
// back byte for byte and, if not, where it first differs.
#include <functional>
#include <string>
#include <vector>

#include "ide/designer/formancestry.h"

namespace korvax::formcheck {

struct TFormCheckResult {
  bool Loaded = false;
  std::string Error;       // the framework's reading error when not loaded
  bool Identical = false;
  std::string Difference;  // the first property or component that differs
  // Properties the classes do not publish, kept and written back as read
  // ("Form1.OldCreateOrder").
  std::vector<std::string> Kept;
};

using designer::AncestorInDirectory;
using designer::RootClassName;
using designer::TAncestorFinder;

// The classes a form may hold must be registered before checking. An inherited
// form is read on top of its ancestors and written as its differences from them.
TFormCheckResult CheckForm(const std::string& fileBytes, const TAncestorFinder& findAncestor = {});

// "OK  path", "DIFF path: at Form1.Button1.Caption" or "FAIL path: message"; a
// loaded form notes the properties it kept (" (kept Form1.OldCreateOrder)").
std::string ResultLine(const std::string& path, const TFormCheckResult& result);

}  // namespace korvax::formcheck
