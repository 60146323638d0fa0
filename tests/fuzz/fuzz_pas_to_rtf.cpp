// Converts arbitrary bytes as Pascal text with the default colours. Whatever the
// text, the document must start with the RTF header and keep its groups balanced:
// the group opened by the header closes exactly at the trailer, never inside the
// text, so a brace or backslash of the text cannot end or corrupt the document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ide/editor/pas_to_rtf.h"
#include "kcl/rtl/exceptions.h"

using korvax::editor::TPasConversion;

namespace {

constexpr std::string_view Header = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
constexpr std::string_view Trailer = "\r\n\\par }{\r";

void Check(bool condition) {
  if (!condition) std::abort();
}

// The offset at which the group depth first returns to zero, or npos.
size_t OutermostGroupEnd(std::string_view rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;  // a control symbol or the start of a control word
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");  // no registry file: the defaults
  conversion.WriteBuffer(data, static_cast<int64_t>(size));
  try {
    conversion.ConvertToRtf();
  } catch (const kcl::Exception&) {
    Check(conversion.View() == std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
  }
  const std::string_view rtf = conversion.View();
  Check(rtf.starts_with(Header));
  Check(conversion.Position() == 0);
  if (size == 0) {
    Check(OutermostGroupEnd(rtf) == std::string_view::npos);
  } else {
    Check(rtf.ends_with(Trailer));
    Check(OutermostGroupEnd(rtf) == rtf.size() - Trailer.size() + Trailer.find('}'));
  }
  return 0;
}
