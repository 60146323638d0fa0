#pragma once
// TIniFile: a settings file with Windows profile semantics. Reads come from a copy
// that is read again whenever the file changes on disk; every write rewrites the file
// at once through a temporary file, keeping all other lines byte for byte.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kcl/classes/object.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

class TStrings;
class TIniText;

// A section, key or value that the file cannot hold (a line break in it, a key that
// would read as a comment), or a file that would grow beyond what is read back.
KCL_EXCEPTION(EIniFileException, Exception);

class TIniFile : public TObject {
  KCL_CLASS(TIniFile, TObject)
public:
  // The file need not exist; it is created by the first write.
  explicit TIniFile(std::string fileName);
  ~TIniFile() override;

  const std::string& FileName() const { return FFileName; }

  std::string ReadString(std::string_view section, std::string_view ident, std::string_view defaultValue);
  // Decimal, "$" or "0x" hexadecimal; a missing or non-numeric value gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view ident, int32_t defaultValue);
  // A missing or non-numeric value gives the default; any other non-zero integer is true.
  bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue);
  // Raises EFCreateError "Cannot create file %s" when the file cannot be written.
  void WriteString(std::string_view section, std::string_view ident, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view ident, int32_t value);
  void WriteBool(std::string_view section, std::string_view ident, bool value);

  // Key names, section names and "key=value" lines, in file order.
  void ReadSection(std::string_view section, TStrings& strings);
  void ReadSections(TStrings& strings);
  void ReadSectionValues(std::string_view section, TStrings& strings);
  bool SectionExists(std::string_view section);
  bool ValueExists(std::string_view section, std::string_view ident);
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view ident);
  // Makes the section's keys those of keys, in their order, in one write: the
  // section's key lines become the new ones where they stand (a line that reads the
  // same keeps its bytes), further keys follow the last of them, surplus lines go;
  // comments and blank lines stay. Key names must differ from each other.
  using TKeyValues = std::vector<std::pair<std::string, std::string>>;
  void RewriteSection(std::string_view section, const TKeyValues& keys);

private:
  struct TCache;
  const TIniText& Current();
  template <class Edit>
  void Update(Edit edit);

  std::string FFileName;
  std::unique_ptr<TCache> FCache;
};

}  // namespace kcl
