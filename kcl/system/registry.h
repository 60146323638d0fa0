#pragma once
// TRegIniFile, read-only: the current user's registry hive as Wine keeps it in a
// text file (user.reg). Key names and value names compare without regard to case.
#include <map>
#include <string>
#include <string_view>

namespace kcl {

// $WINEPREFIX/user.reg, else $HOME/.wine/user.reg; "" when neither variable is set.
std::string WineUserRegistryFile();

class TRegIniFile {
public:
  explicit TRegIniFile(std::string hiveFile = WineUserRegistryFile());

  // Opens key (a "\" separated path from the hive's root) with the values of every
  // key at or below it. False when the file holds no such key: reads then give
  // their defaults, as they do for a missing or unreadable file.
  bool OpenKey(std::string_view key);
  void CloseKey();

  // Value ident of the sub-key section of the open key ("" section: the key
  // itself; "" ident: the key's default value). String values come as their bytes,
  // characters above 255 as '?'; dword values as signed decimal text; anything
  // else, or a missing value, gives defaultValue.
  std::string ReadString(std::string_view section, std::string_view ident,
                         std::string_view defaultValue) const;

private:
  using TValues = std::map<std::string, std::string>;
  std::string FHiveFile;
  // By sub-key path relative to the open key, then by value name; both upper-cased.
  std::map<std::string, TValues> FKeys;
};

}  // namespace kcl
