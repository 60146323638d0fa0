#pragma once
// ShellExecute: documents and URLs opened with the desktop's handler.
#include <cstdint>
#include <string>

namespace kcl {

inline constexpr uint32_t SE_ERR_FNF = 2;
inline constexpr uint32_t SE_ERR_PNF = 3;
inline constexpr uint32_t SE_ERR_NOASSOC = 31;

// operation "open" (or "" or "explore"): file is a URL ("http:", "https:", "mailto:",
// any other scheme, or a name starting with "www.") or a file, relative to directory
// when that is given, found as FindFileIgnoringCase finds it. Above 32 when the
// desktop's handler took it; SE_ERR_FNF or SE_ERR_PNF for a missing file or
// directory; SE_ERR_NOASSOC for other operations and when no handler took it.
// parameters and showCmd are for programs, which the desktop starts as it sees fit.
uint32_t ShellExecute(const std::string& operation, const std::string& file, const std::string& parameters,
                      const std::string& directory, int showCmd);

}  // namespace kcl
