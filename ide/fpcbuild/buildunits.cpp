#include "ide/fpcbuild/buildunits.h"

#include <filesystem>
#include <system_error>

#include "kcl/rtl/sysutils.h"

namespace korvax::fpcbuild {

std::vector<std::string> MissingCommonUnits(const std::vector<std::string>& unitDirs) {
  std::vector<std::string> missing;
  for (const char* unit : {"Windows", "Messages"}) {
    bool found = false;
    for (const std::string& dir : unitDirs) {
      std::error_code ignored;
      found = found || std::filesystem::exists(dir + "/" + kcl::LowerCase(unit) + ".ppu", ignored);
    }
    if (!found) missing.emplace_back(unit);
  }
  return missing;
}

std::vector<TUnitFile> BuildUnits(const std::vector<std::string>& emptyUnits,
                                  const std::set<std::string>& propertyNames) {
  std::vector<TUnitFile> units;
  for (const std::string& name : emptyUnits)
    units.push_back({kcl::LowerCase(name) + ".pas", "unit " + name + ";\n\ninterface\n\nimplementation\n\nend.\n"});
  // The LCL asks its list of properties to skip only for a property its class
  // lacks, so every name the forms use can be entered.
  std::string forms = std::string("unit ") + FormReadingUnit +
                      ";\n\n{$mode delphi}\n\ninterface\n\nimplementation\n\nuses Classes, LResources;\n\n"
                      "procedure Skip(const PropertyName: string);\nbegin\n"
                      "  RegisterPropertyToSkip(TPersistent, PropertyName, '', '');\nend;\n\ninitialization\n";
  for (const std::string& name : propertyNames) forms += "  Skip('" + name + "');\n";
  forms += "end.\n";
  units.push_back({kcl::LowerCase(FormReadingUnit) + std::string(".pas"), forms});
  return units;
}

}  // namespace korvax::fpcbuild
