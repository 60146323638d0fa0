#include "kcl/desktop/shell.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "kcl/desktop/cp1252.h"
#include "kcl/desktop/desktop.h"
#include "kcl/platform/filelookup.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// What ShellExecute returns when it has opened something: any value above 32.
constexpr uint32_t Opened = 42;

bool IsSchemeChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
         c == '.';
}

// A scheme of one letter is a drive ("C:\..."), not a URL.
bool IsUrl(std::string_view file) {
  const size_t colon = file.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const std::string_view scheme = file.substr(0, colon);
  return std::all_of(scheme.begin(), scheme.end(), IsSchemeChar) && scheme.front() > '9';
}

uint32_t OpenFile(const std::string& name) {
  const std::string found = FindFileIgnoringCase(name);
  if (found.empty()) return FindFileForWriting(name).empty() ? SE_ERR_PNF : SE_ERR_FNF;
  const QUrl url = QUrl::fromLocalFile(QFileInfo(QFile::decodeName(found.c_str())).absoluteFilePath());
  return OpenWithDesktop(url) ? Opened : SE_ERR_NOASSOC;
}

uint32_t OpenUrl(const QUrl& url) {
  if (!url.isValid()) return SE_ERR_FNF;
  if (url.isLocalFile()) return OpenFile(QFile::encodeName(url.toLocalFile()).toStdString());
  return OpenWithDesktop(url) ? Opened : SE_ERR_NOASSOC;
}

std::string InDirectory(const std::string& directory, const std::string& file) {
  if (directory.empty() || IsPathDelimiter(file.front())) return file;
  return IsPathDelimiter(directory.back()) ? directory + file : directory + '/' + file;
}

}  // namespace

uint32_t ShellExecute(const std::string& operation, const std::string& file, const std::string& /*parameters*/,
                      const std::string& directory, int /*showCmd*/) {
  if (!operation.empty() && !SameText(operation, "open") && !SameText(operation, "explore")) return SE_ERR_NOASSOC;
  if (file.empty()) return SE_ERR_FNF;
  if (SameText(std::string_view(file).substr(0, 4), "www.")) return OpenUrl(QUrl("http://" + cp1252::Decode(file)));
  if (IsUrl(file)) return OpenUrl(QUrl(cp1252::Decode(file)));
  return OpenFile(InDirectory(directory, file));
}

}  // namespace kcl
