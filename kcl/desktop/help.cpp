#include "kcl/desktop/help.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "kcl/desktop/cp1252.h"
#include "kcl/desktop/desktop.h"
#include "kcl/platform/filelookup.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

bool ShowsHelp(uint32_t command) {
  switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTENTS:
    case HELP_CONTEXTPOPUP:
    case HELP_FORCEFILE:
    case HELP_FINDER:
    case HELP_KEY:
    case HELP_PARTIALKEY: return true;
    default: return false;
  }
}

bool IsHtml(std::string_view file) {
  const std::string extension = ExtractFileExt(file);
  return SameText(extension, ".htm") || SameText(extension, ".html");
}

}  // namespace

bool WinHelp(const std::string& helpFile, uint32_t command, uint32_t /*data*/) {
  return WinHelp(helpFile, command, std::string());
}

bool WinHelp(const std::string& helpFile, uint32_t command, const std::string& keyword) {
  if (command == HELP_QUIT) return true;
  if (!ShowsHelp(command)) return false;
  const std::string found = FindFileIgnoringCase(std::string_view(helpFile).substr(0, helpFile.find('>')));
  const QFileInfo file(QFile::decodeName(found.c_str()));
  if (found.empty() || !file.isFile()) return false;
  QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
  const bool byKeyword = command == HELP_KEY || command == HELP_PARTIALKEY;
  if (byKeyword && !keyword.empty() && IsHtml(found)) url.setFragment(cp1252::Decode(keyword));
  return OpenWithDesktop(url);
}

}  // namespace kcl
