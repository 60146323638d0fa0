#include "ide/editor/pas_scanner.h"

#include "ide/editor/pas_scanrun.h"

namespace korvax::editor {

size_t TPasScanner::Scan(std::string_view text, TPasTokenSink& sink) { return ScanTo(text, sink); }

}  // namespace korvax::editor
