#pragma once
// Files as the projects name them. A project written on Windows says 'XChartF.pas'
// where its folder holds XCHARTF.PAS, and there they are one file; here a name
// that differs from the file's only in letter case finds that file.
#include <string>

namespace korvax {

// The file on disk that path names: path itself when it exists, else the entry of
// its directory whose name equals path's ignoring letter case (the first in name
// order), else path unchanged.
std::string DiskFileName(const std::string& path);

// A file (not a directory) exists under that name or one differing in letter case.
bool DiskFileExists(const std::string& path);

// Both names find the same file on disk; names of files that are not there are
// the same when they are equal.
bool SameDiskFile(const std::string& a, const std::string& b);

// Two names of one unit: the same file name, its directory, extension and letter
// case aside ("XChartF", "XCHARTF.PAS" and "/p/XChartF.dfm").
bool SameUnitName(const std::string& a, const std::string& b);

}  // namespace korvax
