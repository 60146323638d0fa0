#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/picture.h"
#include "support/formtext.h"
#include "support/graphicsholder.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax::test;
using namespace std::string_literals;

namespace {

struct BinaryValue {
  std::string Form;
  std::string Property;
  std::string Data;
};

void CollectBinaryValues(TReader& reader, const std::string& form, std::vector<BinaryValue>& values) {
  uint8_t flags = 0;
  int32_t position = 0;
  reader.ReadPrefix(flags, position);
  reader.ReadStr();
  reader.ReadStr();
  while (!reader.EndOfList()) {
    std::string property = reader.ReadStr();
    if (reader.NextValue() != vaBinary) {
      reader.SkipValue();
      continue;
    }
    reader.ReadValue();
    uint8_t size[4];
    reader.Read(size, 4);
    std::string data(size[0] | (size[1] << 8) | (size[2] << 16) | (static_cast<uint32_t>(size[3]) << 24), '\0');
    reader.Read(data.data(), static_cast<int64_t>(data.size()));
    values.push_back({form, std::move(property), std::move(data)});
  }
  reader.ReadListEnd();
  while (!reader.EndOfList()) CollectBinaryValues(reader, form, values);
  reader.ReadListEnd();
}

// Every binary property value of the sample forms written by Delphi 3.
std::vector<BinaryValue> SampleBinaryValues() {
  std::vector<BinaryValue> values;
  for (const std::string& file : SampleFiles()) {
    TStringStream stream(ReadFileBytes(SamplePath(file)));
    ReadResHeader(stream);
    TReader reader(stream);
    reader.ReadSignature();
    CollectBinaryValues(reader, file, values);
  }
  return values;
}

// The "Data" that a graphic or picture writes.
template <class T>
std::string DataOf(T& object) {
  TMemoryStream stream;
  object.WriteData(stream);
  return std::string(stream.View());
}

template <class T>
void ReadWhole(T& object, const std::string& data) {
  TStringStream in(data);
  object.ReadData(in);
  EXPECT_EQ(in.Position(), in.Size());
}

std::string SampleIcon() {
  for (const BinaryValue& v : SampleBinaryValues())
    if (v.Property == "Icon.Data") return v.Data;
  return {};
}

std::string SmallBmp() {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return std::string(stream.View());
}

}  // namespace

TEST(SampleForms, GraphicsWrittenByDelphiComeBackByteForByte) {
  int glyphs = 0, pictures = 0, icons = 0;
  for (const BinaryValue& value : SampleBinaryValues()) {
    SCOPED_TRACE(value.Form + " " + value.Property);
    if (value.Property.ends_with("Glyph.Data")) {
      TBitmap bitmap;
      ReadWhole(bitmap, value.Data);
      EXPECT_FALSE(bitmap.Empty());
      EXPECT_EQ(DataOf(bitmap), value.Data);
      ++glyphs;
    } else if (value.Property.ends_with("Picture.Data")) {
      TPicture picture;
      ReadWhole(picture, value.Data);
      EXPECT_GT(picture.Width(), 0);
      EXPECT_EQ(DataOf(picture), value.Data);
      ++pictures;
    } else if (value.Property.ends_with("Icon.Data")) {
      TIcon icon;
      ReadWhole(icon, value.Data);
      EXPECT_EQ(icon.Width(), 32);
      EXPECT_FALSE(icon.Image().isNull());
      EXPECT_EQ(DataOf(icon), value.Data);
      ++icons;
    }
  }
  EXPECT_EQ(glyphs, 29);
  EXPECT_EQ(pictures, 7);
  EXPECT_EQ(icons, 1);
}

TEST(SampleForms, DecodedGlyphsShowTheirPixels) {
  for (const BinaryValue& value : SampleBinaryValues()) {
    if (!value.Property.ends_with("Glyph.Data") || value.Form.find("SDITEMP") == std::string::npos) continue;
    TBitmap bitmap;
    ReadWhole(bitmap, value.Data);
    EXPECT_EQ(bitmap.Width(), 40);
    EXPECT_EQ(bitmap.Height(), 20);
    EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
    // The button glyph's background is the olive of its bottom-left corner.
    EXPECT_EQ(bitmap.TransparentColor(), clOlive);
    // Its pixels are the colours of the 4-bit indices in the file.
    const std::string& file = value.Data;
    const auto* pixels = reinterpret_cast<const uint8_t*>(file.data()) + 4 + 118;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x) {
        const int index = (pixels[(19 - y) * 20 + x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
        ASSERT_EQ(bitmap.Image().pixel(x, y), bitmap.ColorTable()[static_cast<size_t>(index)]) << x << "," << y;
      }
    return;
  }
  FAIL() << "no SDITEMP glyph";
}

TEST(Picture, StreamsTheClassNameBeforeTheGraphicsData) {
  auto holder = NewHolder();
  EXPECT_EQ(WriteBinary(holder.get()).find("Picture.Data"), std::string::npos);  // empty writes nothing

  const std::string bmp = SmallBmp();
  TStringStream in(bmp);
  holder->Picture()->Bitmap()->LoadFromStream(in);
  holder->Glyph()->Assign(holder->Picture()->Bitmap());
  const std::string binary = WriteBinary(holder.get());
  const std::string size = {static_cast<char>(bmp.size()), 0, 0, 0};
  EXPECT_NE(binary.find("\x0aGlyph.Data\x0a"s + std::string{static_cast<char>(bmp.size() + 4), 0, 0, 0} + size + bmp),
            std::string::npos);
  EXPECT_NE(binary.find("\x0cPicture.Data\x0a"s + std::string{static_cast<char>(bmp.size() + 12), 0, 0, 0} +
                        "\x07TBitmap" + size + bmp),
            std::string::npos);

  // Read back through the text form.
  auto copy = ReadHolder(WriteText(holder.get()));
  ASSERT_NE(dynamic_cast<TBitmap*>(copy->Picture()->Graphic()), nullptr);
  EXPECT_EQ(copy->Glyph()->Image().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(WriteBinary(copy.get()), binary);
}

TEST(Picture, KeepsTheDataOfGraphicClassesItDoesNotKnow) {
  const std::string data = "\x09TMetafile"s + "\x01\x02\x03\x00\xff"s;
  TPicture picture;
  ReadWhole(picture, data);
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(DataOf(picture), data);
  TPicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(DataOf(copy), data);
  copy.Bitmap();  // a graphic of its own replaces it
  EXPECT_EQ(DataOf(copy), "\x07TBitmap\0\0\0\0"s);
}

TEST(Picture, LoadsFilesByExtension) {
  TempDir dir;
  const std::string bmp = SmallBmp();
  WriteFileBytes(dir.File("small.bmp"), bmp);
  const std::string icon = SampleIcon();
  ASSERT_FALSE(icon.empty());
  WriteFileBytes(dir.File("app.ICO"), icon);
  WriteFileBytes(dir.File("photo.gif"), "GIF89a");

  TPicture picture;
  int changes = 0;
  picture.OnChange.SetHandler([&](TObject*) { ++changes; });
  picture.LoadFromFile(dir.File("small.bmp"));
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(changes, 1);
  picture.Bitmap()->Canvas()->SetPixels(2, 1, clBlue);  // a change of the graphic is one of the picture
  EXPECT_EQ(changes, 2);

  picture.LoadFromFile(dir.File("app.ICO"));
  ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  picture.SaveToFile(dir.File("copy.ico"));
  EXPECT_EQ(ReadFileBytes(dir.File("copy.ico")), icon);

  try {
    picture.LoadFromFile(dir.File("photo.gif"));
    FAIL() << "loaded a gif";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Unknown picture file extension (.gif)");
  }
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);  // kept what it had
  WriteFileBytes(dir.File("broken.bmp"), "BMjunk");
  EXPECT_THROW(picture.LoadFromFile(dir.File("broken.bmp")), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);

  // Another extension for a class: registered, it loads.
  EXPECT_THROW(TPicture::RegisterFileFormat("fnt", &TFont::StaticClass()), std::invalid_argument);
  TPicture::RegisterFileFormat("dib", &TBitmap::StaticClass());
  WriteFileBytes(dir.File("small.dib"), bmp);
  picture.LoadFromFile(dir.File("small.dib"));
  TBitmap bitmap;
  bitmap.Assign(&picture);  // a picture gives its graphic to one of the same class
  EXPECT_EQ(bitmap.Width(), 3);
  TIcon icon2;
  EXPECT_THROW(icon2.Assign(&picture), EConvertError);
}
