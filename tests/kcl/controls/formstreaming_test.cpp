// Forms in form files: the form's own properties, what it writes as its border
// style wants, every sample form read and written back byte for byte, and a
// form of one of every control.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <sstream>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/typinfo.h"
#include "kcl/components/comctrls.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/controls/menus.h"
#include "support/formtext.h"
#include "support/propnames.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

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
// a designer does.
FormPtr ReadFormFile(const std::string& file, const std::string& className) {
  FormPtr form(new TForm(nullptr));
  form->SetClassType(TClassInfo::CreateRuntimeClass(className, &TForm::StaticClass()));
  TStringStream stream(file);
  ReadResHeader(stream);
  ReadBinary(form.get(), stream.ReadRest());
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

class TEveryForm : public TForm {
  KCL_CLASS(TEveryForm, TForm)
public:
  using TForm::TForm;
  int Created = 0;
  void FormCreate(TObject*) { ++Created; }
  void Open1Click(TObject*) {}
  void Button1Click(TObject*) {}
};

KCL_CLASS_INFO(TEveryForm) {
  cls.method("FormCreate", &TEveryForm::FormCreate);
  cls.method("Open1Click", &TEveryForm::Open1Click);
  cls.method("Button1Click", &TEveryForm::Button1Click);
}

}  // namespace

TEST(FormStreaming, PublishesTheFormsPropertiesInTheFrameworksOrder) {
  EXPECT_EQ(DeclaredPropNames(&TForm::StaticClass()),
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
  for (const std::string& name : SampleFiles()) {
    const std::string file = ReadFileBytes(SamplePath(name));
    const std::string text = TextOf(file);
    const std::vector<std::string> classes = ClassesOf(text);
    if (text.starts_with("inherited") ||
        std::any_of(classes.begin() + 1, classes.end(), [](const std::string& c) { return !GetClass(c); }))
      continue;
    SCOPED_TRACE(name);
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
  const std::string file = ReadFileBytes(SamplePath("15/MDITEMP/CHILDWIN.DFM"));
  FormPtr form = ReadFormFile(file, "TMDIChild");
  EXPECT_TRUE(form->PixelsPerInchAmongProperties());
  EXPECT_FALSE(form->Font()->CharsetStored());
  // Once the font is chosen again it is written in full.
  form->Font()->SetCharset(ANSI_CHARSET);
  const std::string text = TextOf(WriteFormFile(form.get()));
  EXPECT_NE(text.find("  Font.Charset = ANSI_CHARSET\r\n"), std::string::npos) << text;
}

// A form holding one of every control, menu and dialog, with typical values,
// reads from its text layout, shows, and writes back the same text.
TEST(EveryControl, FormLayoutShowsAndWritesBackTheSameText) {
  RegisterStandardControls();
  RegisterCommonControls();
  RegisterMenus();
  RegisterDialogs();
  const std::string layout = ReadFileBytes(std::string(KORVAX_TEST_DATA) + "/forms/everycontrol.txt");
  std::unique_ptr<TEveryForm, TObjectFree> form(new TEveryForm(nullptr));
  form->LoadFromLayout(layout);
  EXPECT_EQ(form->Created, 1);
  form->Show();
  QApplication::processEvents();

  EXPECT_TRUE(form->Showing());
  auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->ActivePage(), form->FindComponent("TabSheet2"));
  // The aligned controls share the client area: menu bar and status bar included.
  EXPECT_EQ(pages->Left(), 188);
  EXPECT_EQ(pages->Height(), form->ClientHeight() - 26 - 19);
  form->Hide();
  EXPECT_EQ(WriteText(form.get()), layout);
}
