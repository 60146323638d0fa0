// Arbitrary bytes as a binary form file, with and without the resource header:
// the conversion to text either succeeds or raises the framework's exception.
#include <cstddef>
#include <cstdint>
#include <string>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    kcl::TStringStream in(bytes), out;
    kcl::ObjectResourceToText(in, out);
  } catch (const kcl::Exception&) {
  }
  try {
    kcl::TStringStream in(bytes), out;
    kcl::ObjectBinaryToText(in, out);
  } catch (const kcl::Exception&) {
  }
  return 0;
}
