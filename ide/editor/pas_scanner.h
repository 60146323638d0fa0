#pragma once
// The Pascal scanner of the highlighter: text split into display tokens, each of a
// kind that the compiler's editor colours in its own way.
#include <cstddef>
#include <string_view>

#include "kcl/rtl/exceptions.h"

namespace korvax::editor {

// The number of a kind is also its entry in the RTF colour table.
enum TPasTokenKind {
  ptAssembler,
  ptComment,
  ptLineBreak,
  ptDirective,
  ptIdentifier,
  ptReservedWord,
  ptNumber,
  ptWhitespace,
  ptString,
  ptSymbol,
  ptPlainText,
};
inline constexpr size_t PasTokenKindCount = 11;

class EPasConversionError : public kcl::Exception {
public:
  using Exception::Exception;
};

class TPasTokenSink {
public:
  virtual void Token(TPasTokenKind kind, std::string_view text) = 0;

protected:
  ~TPasTokenSink() = default;
};

// Splits Pascal text into display tokens. Whether a property declaration is open
// carries over from one Scan to the next.
class TPasScanner {
public:
  // Passes the tokens of text, up to its end or its first NUL, to sink in order and
  // returns how many bytes that is. An unterminated string raises
  // EPasConversionError "Invalid string".
  size_t Scan(std::string_view text, TPasTokenSink& sink);

  // The same for a sink of a type known where pas_scanrun.h is included, whose
  // Token then needs no virtual call.
  template <class TSink>
  size_t ScanTo(std::string_view text, TSink& sink);

private:
  bool FInProperty = false;
};

}  // namespace korvax::editor
