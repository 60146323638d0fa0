#include "ide/common/textutils.h"

#include "kcl/rtl/sysutils.h"

namespace korvax {

std::string AddBackslash(std::string_view path) {
  std::string result(path);
  if (!result.empty() && !kcl::IsPathDelimiter(result.back())) result += '/';  // this platform's separator
  return result;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
    result.append(text.substr(from, at - from)).append(replacement);
    from = at + find.size();
  }
  return result.append(text.substr(from));
}

std::string ExtractBaseName(std::string_view path) {
  std::string name = kcl::ExtractFileName(path);
  if (path.find('.') != std::string_view::npos) name.resize(name.size() > 4 ? name.size() - 4 : 0);
  return name;
}

}  // namespace korvax
