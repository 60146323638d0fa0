#pragma once
// The installed Free Pascal compiler and the Lazarus Component Library (LCL) it
// builds Delphi projects with: found, not assumed at one version or place.
#include <string>
#include <vector>

namespace korvax::fpcbuild {

struct TFreePascal {
  std::string Compiler;               // the compiler's path
  std::string Widgetset;              // the LCL's widget set: "qt5" or "gtk2"
  std::vector<std::string> UnitDirs;  // the LCL's compiled units, widget set first
  std::string Problem;                // why it cannot build, "" when it can
};

// compiler is the alternative compiler's setting: a path, or "" for "fpc" on the
// PATH. The LCL is looked for in $LAZARUSDIR, then in the installation folders of
// Debian's and Lazarus's own packages (the highest version first), for this
// machine's processor, with a widget set whose library is installed.
TFreePascal FindFreePascal(const std::string& compiler);

// Where the LCL's units are for this processor: "x86_64-linux".
std::string TargetName();

}  // namespace korvax::fpcbuild
