#pragma once
// Bytes written as hexadecimal digits, two a byte, as form text shows binary data.
#include <string>

namespace korvax::test {

// "41FF" for the bytes 0x41 0xFF.
std::string Hex(const std::string& bytes);
// The bytes of hexadecimal digits (an odd last digit is left out).
std::string Unhex(const std::string& hex);

}  // namespace korvax::test
