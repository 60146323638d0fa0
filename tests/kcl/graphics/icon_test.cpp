#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kcl/classes/streams.h"
#include "kcl/graphics/icon.h"

using namespace kcl;
using namespace std::string_literals;

TEST(Icon, KeepsItsBytesAndRefusesGarbage) {
  TIcon icon;
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  EXPECT_THROW(icon.SetWidth(16), EInvalidGraphicOperation);

  // One 16x16 entry whose image starts with an info header and has no pixels.
  const std::string image = "\x28\0\0\0"s + std::string(36, '\0');
  const std::string file = "\0\0\1\0\1\0"s + "\x10\x10\0\0\1\0\x20\0"s + "\x28\0\0\0\x16\0\0\0"s + image;
  TStringStream in(file);
  icon.LoadFromStream(in);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Data(), file);

  const std::vector<std::string> garbage = {
      "",
      "garbage that is no icon at all",
      "\0\0\2\0\1\0"s + file.substr(6),                           // a cursor
      "\0\0\1\0\0\0"s,                                             // no images
      "\0\0\1\0\x09\0"s + file.substr(6),                          // more entries than bytes
      file.substr(0, 6) + "\x10\x10\0\0\1\0\x20\0\xff\xff\xff\x7f\x16\0\0\0"s + image,  // image size beyond the file
      file.substr(0, 18) + "\x02\0\0\0"s + image,                    // image inside the directory
      file.substr(0, 22) + "not an image" + std::string(28, '.'),  // neither a DIB nor a PNG
  };
  for (const std::string& bytes : garbage) {
    TStringStream bad(bytes);
    try {
      icon.LoadFromStream(bad);
      ADD_FAILURE() << "loaded garbage of " << bytes.size() << " bytes";
    } catch (const EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), "Icon image is not valid");
    }
    EXPECT_EQ(icon.Data(), file);
  }
}
