#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <sstream>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/typinfo.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/edit.h"
#include "kcl/controls/menus.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/controls/keys.h"
#include "support/testfiles.h"
#include "support/propnames.h"

using namespace kcl;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;

void RegisterAll() {
  RegisterStandardControls();
  RegisterCommonControls();
  RegisterMenus();
  RegisterDialogs();
}

std::string Bytes(TMemoryStream& stream) { return std::string(stream.Memory(), static_cast<size_t>(stream.Size())); }

// The class names of the objects in a form's text, the root's first.
std::vector<std::string> ClassesOf(const std::string& text) {
  std::vector<std::string> classes;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const size_t colon = line.find(": ");
    const bool object = line.find("object ") != std::string::npos || line.find("inherited ") != std::string::npos;
    if (object && colon != std::string::npos) classes.push_back(line.substr(colon + 2, line.find_last_not_of("\r") - colon - 1));
  }
  return classes;
}

// Reads a binary form file into a form that carries the file's class name, as
// a designer does, with event handlers made up by name.
FormPtr ReadFormFile(const std::string& file, const std::string& className) {
  static std::deque<TMethodEntry> handlers;
  FormPtr form(new TForm(nullptr));
  form->SetClassType(TClassInfo::CreateRuntimeClass(className, &TForm::StaticClass()));
  TStringStream stream(file);
  ReadResHeader(stream);
  TReader reader(stream);
  reader.OnFindMethod = [](TReader&, const std::string& name) -> const TMethodEntry* {
    for (const TMethodEntry& entry : handlers)
      if (entry.Name == name) return &entry;
    return &handlers.emplace_back(TMethodEntry{name, nullptr, nullptr});
  };
  reader.ReadRootComponent(form.get());
  return form;
}

std::string WriteFormFile(TForm* form) {
  TMemoryStream stream;
  stream.WriteComponentRes(form->ClassName(), form);
  return Bytes(stream);
}

std::string TextOf(const std::string& file) {
  TStringStream in(file);
  ReadResHeader(in);
  return ObjectBinaryToText(in.ReadRest());
}

std::string SamplePath(const std::string& relative) {
  return std::string(KORVAX_SAMPLE_FORMS) + "/delphi3-samples/" + relative;
}

}  // namespace

TEST(FormStreaming, PublishesTheFormsPropertiesInTheFrameworksOrder) {
  EXPECT_EQ(korvax::test::DeclaredPropNames(&TForm::StaticClass()),
            "Name Tag Left Top Width Height Cursor Hint HelpContext HorzScrollBar VertScrollBar ActiveControl BorderIcons BorderStyle AutoScroll Caption "
            "ClientHeight ClientWidth Ctl3D Color Enabled Font FormStyle HelpFile Icon KeyPreview Menu "
            "ObjectMenuItem ParentFont PixelsPerInch PopupMenu Position PrintScale Scaled ShowHint Visible "
            "WindowState WindowMenu OnActivate OnClick OnClose OnCloseQuery OnCreate OnDblClick OnDestroy "
            "OnDeactivate OnDragDrop OnDragOver OnHide OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove "
            "OnMouseUp OnPaint OnResize OnShow");
  EXPECT_EQ(GetTypeData(GetPropInfo(&TForm::StaticClass(), "OnClose")->PropType)->Params.size(), 2u);
}

TEST(FormStreaming, SizeIsWrittenAsTheBorderStyleWants) {
  RegisterAll();
  FormPtr form(new TForm(nullptr));
  form->SetName("Form1");
  form->SetBounds(10, 20, 300, 200);
  std::string text = TextOf(WriteFormFile(form.get()));
  EXPECT_NE(text.find("  Width = 300\r\n  Height = 200\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("ClientWidth"), std::string::npos);
  EXPECT_NE(text.find("  Font.Charset = DEFAULT_CHARSET\r\n"), std::string::npos);
  EXPECT_NE(text.find("  PixelsPerInch = 96\r\n  TextHeight = 13\r\nend"), std::string::npos) << text;

  // A dialog does not scroll: it keeps its client size instead.
  form->SetBorderStyle(bsDialog);
  EXPECT_FALSE(form->AutoScroll());
  form->SetClientWidth(250);
  text = TextOf(WriteFormFile(form.get()));
  EXPECT_EQ(text.find("  Width ="), std::string::npos);
  EXPECT_NE(text.find("  BorderStyle = bsDialog\r\n  Caption = 'Form1'\r\n  ClientHeight = "), std::string::npos) << text;
  EXPECT_NE(text.find("  ClientWidth = 250\r\n"), std::string::npos) << text;

  // A scroll range of its own makes it keep its outer size again; turning the
  // automatic scrolling on and off drops the range.
  form->HorzScrollBar()->SetRange(400);
  text = TextOf(WriteFormFile(form.get()));
  EXPECT_NE(text.find("  Height = 200\r\n  HorzScrollBar.Range = 400\r\n  BorderStyle = bsDialog\r\n"),
            std::string::npos) << text;
  EXPECT_EQ(text.find("ClientWidth"), std::string::npos) << text;
  form->SetAutoScroll(true);
  form->SetAutoScroll(false);
  EXPECT_EQ(form->HorzScrollBar()->Range(), 0);
}

TEST(FormStreaming, ClientHeightReadBeforeTheMenuIsKept) {
  RegisterAll();
  const std::string text =
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  AutoScroll = False\r\n  Caption = 'Form1'\r\n"
      "  ClientHeight = 200\r\n  ClientWidth = 300\r\n  Menu = MainMenu1\r\n  PixelsPerInch = 96\r\n"
      "  TextHeight = 13\r\n  object MainMenu1: TMainMenu\r\n    Left = 8\r\n    Top = 8\r\n"
      "    object File1: TMenuItem\r\n      Caption = '&File'\r\n    end\r\n  end\r\nend\r\n";
  TMemoryStream binary;
  TStringStream in(text);
  ObjectTextToResource(in, binary);
  FormPtr form = ReadFormFile(Bytes(binary), "TForm1");
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->ClientWidth(), 300);
  ASSERT_NE(form->Menu(), nullptr);
  EXPECT_EQ(ObjectBinaryToText(Bytes(binary).substr(Bytes(binary).find("TPF0"))), TextOf(WriteFormFile(form.get())));
}

// Every sample form made only of classes the framework registers comes back
// byte for byte; among them forms last saved by the previous version (no font
// character sets, PixelsPerInch among the properties, no TextHeight) and
// labels that stand for whole components (IsControl).
TEST(FormStreaming, SampleFormsComeBackByteForByte) {
  RegisterAll();
  int checked = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(KORVAX_SAMPLE_FORMS))) {
    if (entry.path().extension() != ".DFM") continue;
    const std::string file = korvax::test::ReadFileBytes(entry.path().string());
    const std::string text = TextOf(file);
    const std::vector<std::string> classes = ClassesOf(text);
    if (text.starts_with("inherited") ||
        std::any_of(classes.begin() + 1, classes.end(), [](const std::string& c) { return !GetClass(c); }))
      continue;
    SCOPED_TRACE(entry.path().string());
    FormPtr form = ReadFormFile(file, classes.front());
    const std::string written = WriteFormFile(form.get());
    EXPECT_EQ(TextOf(written), text);
    EXPECT_TRUE(written == file);
    ++checked;
  }
  EXPECT_GE(checked, 70);
}

TEST(FormStreaming, PreviousVersionsFormsKeepTheirLayout) {
  RegisterAll();
  const std::string file = korvax::test::ReadFileBytes(SamplePath("15/MDITEMP/CHILDWIN.DFM"));
  FormPtr form = ReadFormFile(file, "TMDIChild");
  EXPECT_TRUE(form->PixelsPerInchAmongProperties());
  EXPECT_FALSE(form->Font()->CharsetStored());
  // Once the font is chosen again it is written in full.
  form->Font()->SetCharset(ANSI_CHARSET);
  const std::string text = TextOf(WriteFormFile(form.get()));
  EXPECT_NE(text.find("  Font.Charset = ANSI_CHARSET\r\n"), std::string::npos) << text;
}

TEST(DialogKeys, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  RegisterAll();
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetTop(40);
  auto* ok = new TButton(form.get());
  ok->SetParent(form.get());
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetTop(120);
  auto* cancel = new TButton(form.get());
  cancel->SetParent(form.get());
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetBounds(100, 120, 75, 25);
  int okClicks = 0, cancelClicks = 0;
  ok->OnClick.SetHandler([&](TObject*) { ++okClicks; });
  cancel->OnClick.SetHandler([&](TObject*) { ++cancelClicks; });
  form->Show();
  QApplication::setActiveWindow(form->Window());

  edit->SetFocus();
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
  QTest::keyClick(edit->Widget(), Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(form->ModalResult(), mrCancel);

  // A memo keeps Enter for its text; a focused button takes it from the default one.
  memo->SetFocus();
  QTest::keyClick(memo->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  cancel->SetFocus();
  QTest::keyClick(cancel->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(cancelClicks, 2);

  // Nothing takes Enter from a disabled default button.
  ok->SetEnabled(false);
  edit->SetFocus();
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
}
