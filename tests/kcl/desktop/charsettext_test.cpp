// Text in the code page of a font's character set.
#include "kcl/desktop/charsettext.h"

#include <gtest/gtest.h>

namespace kcl {
namespace {

TEST(CharsetText, ANationalCharacterSetReadsItsOwnCodePage) {
  // HANGEUL_CHARSET: code page 949.
  EXPECT_EQ(DecodeForCharset("C:\\p.dpr,3\xC0\xAF\xB4\xCF\xC6\xAE", 129), QString::fromUtf8("C:\\p.dpr,3유니트"));
  // RUSSIAN_CHARSET: code page 1251.
  EXPECT_EQ(DecodeForCharset("\xCF\xF0\xE8", 204), QString::fromUtf8("При"));
}

TEST(CharsetText, OtherCharacterSetsReadWindows1252) {
  EXPECT_EQ(DecodeForCharset("Caf\xE9 \x80", 1), QString::fromUtf8("Café €"));
  EXPECT_EQ(DecodeForCharset("Caf\xE9", 0), QString::fromUtf8("Café"));
  EXPECT_EQ(DecodeForCharset("\xC0\xAF", 2), QString::fromUtf8("À¯"));
}

}  // namespace
}  // namespace kcl
