#include "ide/fpcbuild/formresource.h"

#include <gtest/gtest.h>

#include "kcl/rtl/exceptions.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"
#include "testproject.h"

namespace korvax::fpcbuild {
namespace {

uint32_t DWordAt(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<size_t>(i)));
  return value;
}

// The empty entry every 32-bit resource file starts with, as resource compilers write it.
const std::string EmptyEntry("\0\0\0\0\x20\0\0\0\xff\xff\0\0\xff\xff\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 32);

TEST(FormResource, ABinaryFormFileBecomesAnRcdataResourceNamedAfterItsClass) {
  const std::string formFile = test::BinaryFormFile(test::ButtonFormText);
  const TFormResource form = ReadFormResource(formFile);
  EXPECT_EQ(form.Name, "TFORM1");
  ASSERT_EQ(form.Stream.substr(0, 4), "TPF0");
  // The stream is the form file's, without its header and to its last byte.
  EXPECT_EQ(formFile.substr(formFile.size() - form.Stream.size()), form.Stream);

  const std::string res = ResourceFileOf(form);
  EXPECT_EQ(EmptyResourceFile(), EmptyEntry);
  ASSERT_EQ(res.substr(0, 32), EmptyEntry);
  const uint32_t dataSize = DWordAt(res, 32);
  const uint32_t headerSize = DWordAt(res, 36);
  EXPECT_EQ(dataSize, form.Stream.size());
  // Type RCDATA (10) by number, then the name in UTF-16 with its zero, to four bytes.
  EXPECT_EQ(res.substr(40, 4), std::string("\xff\xff\x0a\x00", 4));
  EXPECT_EQ(res.substr(44, 14), std::string("T\0F\0O\0R\0M\0\x31\0\0\0", 14));
  EXPECT_EQ(headerSize, 8u + 4u + 16u + 16u);
  EXPECT_EQ(res.substr(32 + headerSize, dataSize), form.Stream);
  EXPECT_EQ(res.size() % 4, 0u);
  EXPECT_GE(res.size(), 32 + headerSize + dataSize);
}

TEST(FormResource, ATextFormGivesTheStreamItsBinaryFileHolds) {
  const TFormResource fromText = ReadFormResource(test::ButtonFormText);
  const TFormResource fromBinary = ReadFormResource(test::BinaryFormFile(test::ButtonFormText));
  EXPECT_EQ(fromText.Stream, fromBinary.Stream);
  EXPECT_EQ(fromText.Name, fromBinary.Name);

  const TFormResource inherited =
      ReadFormResource("inherited Form2: TForm2\r\n  Caption = 'Two'\r\nend\r\n");
  EXPECT_EQ(inherited.Name, "TFORM2");
}

TEST(FormResource, PropertyNamesAreEveryPartOfEveryPath) {
  const TFormResource form = ReadFormResource(test::ButtonFormText);
  for (const char* name : {"Left", "Caption", "Font", "Charset", "Name", "OldCreateOrder", "TextHeight", "OnClick"})
    EXPECT_TRUE(form.PropertyNames.count(name)) << name;
  // Object names, class names and values are not properties.
  for (const char* notName : {"Form1", "TForm1", "Button1", "TButton", "Button1Click", "DEFAULT_CHARSET"})
    EXPECT_FALSE(form.PropertyNames.count(notName)) << notName;
}

TEST(FormResource, EverySampleFormConverts) {
  const std::vector<std::string> samples = test::SampleFiles();
  EXPECT_GT(samples.size(), 100u);
  for (const std::string& sample : samples) {
    const TFormResource form = ReadFormResource(test::ReadFileBytes(test::SamplePath(sample)));
    EXPECT_FALSE(form.Name.empty()) << sample;
    EXPECT_EQ(form.Stream.substr(0, 4), "TPF0") << sample;
  }
}

TEST(FormResource, MalformedFormsRaiseTheFrameworksErrors) {
  std::string cut = test::BinaryFormFile(test::ButtonFormText);
  cut.resize(cut.size() / 2);
  EXPECT_THROW(ReadFormResource(cut), kcl::Exception);
  EXPECT_THROW(ReadFormResource("object Form1: TForm1\r\n  Left = \r\n"), kcl::Exception);
  EXPECT_THROW(ReadFormResource(""), kcl::Exception);
  EXPECT_THROW(ReadFormResource(std::string("\xff\x0a\x00", 3)), kcl::Exception);
}

}  // namespace
}  // namespace korvax::fpcbuild
