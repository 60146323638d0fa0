// Form files read into design forms and written back.
#include "ide/designer/formfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/wrappercontrol.h"
#include "kcl/classes/objecttext.h"
#include "kcl/components/stdctrls.h"
#include "kcl/components/timer.h"
#include "kcl/rtl/exceptions.h"
#include "support/designform.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

using namespace kcl;
using namespace korvax::designer;
using korvax::test::ReadFileBytes;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

namespace {

struct FormDeleter {
  void operator()(TProxyForm* form) const { form->Free(); }
};
using FormPtr = std::unique_ptr<TProxyForm, FormDeleter>;

class FormFiles : public korvax::test::DesignFormTest {
protected:
  FormPtr Load(const std::string& fileName, std::string& error) {
    return FormPtr(LoadFormFile(fileName, Palette, error));
  }
  TempDir Dir;
};

const std::string ButtonForm =
    "object Form1: TForm1\r\n  Left = 10\r\n  Top = 20\r\n  Width = 300\r\n  Height = 200\r\n"
    "  Caption = 'Form1'\r\n  Font.Charset = DEFAULT_CHARSET\r\n  Font.Color = clWindowText\r\n"
    "  Font.Height = -11\r\n  Font.Name = 'MS Sans Serif'\r\n  Font.Style = []\r\n  OnMouseDown = FormMouseDown\r\n"
    "  PixelsPerInch = 96\r\n  TextHeight = 13\r\n"
    "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25\r\n"
    "    Caption = 'Button1'\r\n    TabOrder = 0\r\n    OnClick = Button1Click\r\n  end\r\n"
    "  object Timer1: TTimer\r\n    OnTimer = Button1Click\r\n    Left = 120\r\n    Top = 40\r\n  end\r\nend\r\n";

}  // namespace

TEST_F(FormFiles, EverySampleFormComesBackByteForByte) {
  int copies = 0;
  for (const std::string& sample : korvax::test::SampleFiles()) {
    const std::string original = ReadFileBytes(korvax::test::SamplePath(sample));
    // A copy of its project's folder: an inherited form finds its ancestors there.
    const std::filesystem::path folder = std::filesystem::path(Dir.Path()) / std::to_string(++copies);
    std::filesystem::copy(std::filesystem::path(korvax::test::SamplePath(sample)).parent_path(), folder);
    const std::string copy = (folder / std::filesystem::path(sample).filename()).string();
    std::string error;
    FormPtr form = Load(copy, error);
    ASSERT_NE(form, nullptr) << sample;
    EXPECT_EQ(error, "") << sample;
    WriteFormFile(*form, copy);
    const std::string written = ReadFileBytes(copy);
    if (written == original) continue;
    ADD_FAILURE() << sample << " comes back different";
    EXPECT_EQ(ObjectBinaryToText(written.substr(written.find("TPF0"))),
              ObjectBinaryToText(original.substr(original.find("TPF0"))));
  }
}

// The events a form file names are the designer's methods: the inspector lists
// them for their event type, and they are written back.
TEST_F(FormFiles, EventsAreBoundToTheDesignersMethodsAndWrittenBack) {
  const std::string text = Dir.File("Unit1.dfm");
  WriteFileBytes(text, ButtonForm);
  std::string error;
  FormPtr form = Load(text, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->ClassName(), "TForm1");
  EXPECT_EQ(form->UnitFileName, "Unit1.pas");
  TProxyDesigner& designer = *form->ProxyDesigner();
  ASSERT_EQ(designer.Methods.size(), 2u);
  EXPECT_EQ(designer.Methods[0].Entry->Name, "FormMouseDown");
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->IsDesigning());
  EXPECT_EQ(designer.GetMethodName(button->OnClick.Method()), "Button1Click");
  std::vector<std::string> handlers;
  designer.GetMethods(designer.Methods[0].TypeData, [&](const std::string& name) { handlers.push_back(name); });
  EXPECT_EQ(handlers, std::vector<std::string>{"FormMouseDown"});
  // The timer got its wrapper where its record puts it; the wrapper is not written.
  auto* wrapper = dynamic_cast<TWrapperControl*>(form->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Left(), 120);
  // A text file is written back as text, as it was.
  WriteFormFile(*form, text);
  EXPECT_EQ(ReadFileBytes(text), ButtonForm);
  EXPECT_EQ(FormText(*form), ButtonForm);
}

TEST_F(FormFiles, ANewFormIsWrittenWithAResourceNamedAfterItsClass) {
  auto* button = Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), 8, 8, 0, 0);
  Designer()->CreateComponent(&TTimer::StaticClass(), Form.get(), 40, 50, 0, 0);
  const std::string file = Dir.File("Unit1.dfm");
  WriteFormFile(*Form, file);
  const std::string bytes = ReadFileBytes(file);
  EXPECT_EQ(bytes.substr(0, 10), std::string("\xFF\x0A\x00TFORM1\x00", 10));
  EXPECT_EQ(bytes.find("TWrapperControl"), std::string::npos);
  std::string error;
  FormPtr again = Load(file, error);
  ASSERT_EQ(error, "");
  EXPECT_NE(again->FindComponent(button->Name()), nullptr);
  auto* wrapper = dynamic_cast<TWrapperControl*>(again->FindComponent("WrapperTimer1"));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->Left(), 40);
  EXPECT_EQ(wrapper->Top(), 50);
}

// A damaged file: the form shows what was read, says why it stopped, and is never
// written over its file; a file that is missing or not a form makes no form.
TEST_F(FormFiles, ADamagedFileIsReportedAndNeverOverwritten) {
  std::string error;
  EXPECT_EQ(Load(Dir.File("none.dfm"), error), nullptr);
  EXPECT_EQ(error, "");

  const std::string garbage = Dir.File("garbage.dfm");
  WriteFileBytes(garbage, "this is not a form");
  EXPECT_EQ(Load(garbage, error), nullptr);
  EXPECT_NE(error, "");

  std::string binary = ObjectTextToBinary(ButtonForm);
  binary.resize(binary.find("Timer1") + 8);  // cut inside the timer's record
  const std::string damaged = Dir.File("damaged.dfm");
  WriteFileBytes(damaged, binary);
  FormPtr form = Load(damaged, error);
  ASSERT_NE(form, nullptr);
  EXPECT_NE(error, "");
  EXPECT_NE(form->FindComponent("Button1"), nullptr);
  EXPECT_THROW(WriteFormFile(*form, damaged), EInvalidOperation);
  EXPECT_EQ(ReadFileBytes(damaged), binary);
}

TEST_F(FormFiles, AFailedWriteLeavesTheOldFile) {
  const std::string file = Dir.File("Unit1.dfm");
  WriteFileBytes(file, "old");
  EXPECT_THROW(WriteFormFile(*Form, Dir.File("missing/dir/Unit1.dfm")), Exception);
  EXPECT_EQ(ReadFileBytes(file), "old");
}
