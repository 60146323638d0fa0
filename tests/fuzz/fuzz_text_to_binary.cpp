// Arbitrary bytes as a text form file. When the text converts, its binary form
// must survive binary -> text -> binary unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string binary;
  try {
    kcl::TStringStream in(std::string(reinterpret_cast<const char*>(data), size)), out;
    kcl::ObjectTextToBinary(in, out);
    binary = out.DataString();
  } catch (const kcl::Exception&) {
    return 0;
  }
  std::string text;
  std::string again;
  try {
    text = kcl::ObjectBinaryToText(binary);
    again = kcl::ObjectTextToBinary(text);
  } catch (const kcl::Exception& e) {
    std::fprintf(stderr, "round trip raised: %s\n", e.what());
    std::abort();
  }
  if (again != binary) {
    std::fprintf(stderr, "round trip changed the binary form\n");
    std::abort();
  }
  // The text Delphi writes converts back to itself.
  if (kcl::ObjectBinaryToText(again) != text) {
    std::fprintf(stderr, "round trip changed the text form\n");
    std::abort();
  }
  return 0;
}
