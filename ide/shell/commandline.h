#pragma once
// The files named on the program's command line (korvax FILE...), opened once
// its windows are shown: a project file as Open Project opens it, any other file
// as Open does.
#include <string>
#include <vector>

namespace korvax {

class TFMainForm;

// Names are taken relative to currentDir. A file that is not there is reported
// with the framework's message, as is any error; the files after it still open.
void OpenCommandLineFiles(TFMainForm& mainForm, const std::vector<std::string>& files, const std::string& currentDir);

}  // namespace korvax
