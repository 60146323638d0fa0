#pragma once
// Windows file names on this file system: '\' separates directories as '/' does, and
// letters match in any case, so "C:\...\BIN\DCC32.exe" finds ".../Bin/dcc32.exe".
#include <string>
#include <string_view>

namespace kcl {

// The existing file or directory that name stands for: name itself when it exists
// as given, else name with '/' separators whose parts are matched on disk without
// regard to case (a trailing separator is kept). "" when there is none.
std::string FindFileIgnoringCase(std::string_view name);

// Where a file to be written by that name goes: its directory found as above, its
// own name matched when such a file exists and else kept as given. "" when the
// directory does not exist.
std::string FindFileForWriting(std::string_view name);

}  // namespace kcl
