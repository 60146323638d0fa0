#pragma once
// The Windows error codes that the process, shell and help services return: every
// value below 32 means that nothing was started.
#include <cstdint>

namespace kcl {

inline constexpr uint32_t ERROR_OUT_OF_RESOURCES = 0;
inline constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr uint32_t ERROR_PATH_NOT_FOUND = 3;
inline constexpr uint32_t ERROR_BAD_FORMAT = 11;

}  // namespace kcl
