#pragma once
// WinHelp: the help file opened with the desktop's handler.
#include <cstdint>
#include <string>

namespace kcl {

inline constexpr uint32_t HELP_CONTEXT = 0x0001;
inline constexpr uint32_t HELP_QUIT = 0x0002;
inline constexpr uint32_t HELP_CONTENTS = 0x0003;
inline constexpr uint32_t HELP_INDEX = 0x0003;
inline constexpr uint32_t HELP_HELPONHELP = 0x0004;
inline constexpr uint32_t HELP_SETCONTENTS = 0x0005;
inline constexpr uint32_t HELP_CONTEXTPOPUP = 0x0008;
inline constexpr uint32_t HELP_FORCEFILE = 0x0009;
inline constexpr uint32_t HELP_FINDER = 0x000B;
inline constexpr uint32_t HELP_KEY = 0x0101;
inline constexpr uint32_t HELP_COMMAND = 0x0102;
inline constexpr uint32_t HELP_PARTIALKEY = 0x0105;

// The commands that show help (HELP_CONTEXT, HELP_CONTENTS, HELP_CONTEXTPOPUP,
// HELP_FORCEFILE, HELP_FINDER, HELP_KEY, HELP_PARTIALKEY) open the help file (its
// name may end in ">window", as WinHelp allows) when it exists, found as
// FindFileIgnoringCase finds it, and return whether it was opened. An HTML help
// file gets the keyword as the URL's fragment. HELP_QUIT has no window to close
// and succeeds; other commands do nothing and fail.
bool WinHelp(const std::string& helpFile, uint32_t command, uint32_t data = 0);
// HELP_KEY and HELP_PARTIALKEY take their keyword as text.
bool WinHelp(const std::string& helpFile, uint32_t command, const std::string& keyword);

}  // namespace kcl
