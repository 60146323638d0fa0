// Forms holding components of classes the program does not have: placeholders
// that stand where the records put them, hold what was read inside them, show
// on the form and write the records back unchanged.
#include "kcl/controls/placeholdercontrol.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "kcl/classes/objecttext.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/form.h"
#include "kcl/graphics/qtcolor.h"
#include "support/formtext.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

const std::string FormText =
    "object Form1: TForm1\r\n"
    "  Left = 0\r\n  Top = 0\r\n  Width = 300\r\n  Height = 200\r\n  Caption = 'Form1'\r\n"
    "  PixelsPerInch = 96\r\n  TextHeight = 13\r\n"
    "  object Grid1: TSuperGrid\r\n"
    "    Tag = 7\r\n    Left = 10\r\n    Top = 20\r\n    Width = 200\r\n    Height = 120\r\n"
    "    Shade = clRed\r\n    Options = [goRows, goLines]\r\n"
    "    Titles.Strings = (\r\n      'one'\r\n      'two')\r\n"
    "    Ratio = 1.5\r\n    OnPaint = Grid1Paint\r\n"
    "    object Button1: TButton\r\n"
    "      Left = 8\r\n      Top = 8\r\n      Width = 75\r\n      Height = 25\r\n"
    "      Caption = 'Button1'\r\n      TabOrder = 1\r\n"
    "    end\r\n"
    "    object Inner1: TSuperCell\r\n"
    "      Left = 90\r\n      Top = 8\r\n      Width = 40\r\n      Height = 40\r\n"
    "    end\r\n"
    "    object Edit1: TEdit\r\n"
    "      Left = 8\r\n      Top = 60\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = 0\r\n"
    "      Text = 'x'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object Connection1: TSuperConnection\r\n"
    "    Params.Strings = (\r\n      'USER=me')\r\n"
    "    Left = 240\r\n    Top = 16\r\n"
    "  end\r\n"
    "end\r\n";

FormPtr ReadForm(const std::string& binary) {
  RegisterStandardControls();
  RegisterPlaceholderControl();
  FormPtr form(new TForm(nullptr));
  form->SetClassType(TClassInfo::CreateRuntimeClass("TForm1", &TForm::StaticClass()));
  ReadBinary(form.get(), binary);
  return form;
}

}  // namespace

TEST(PlaceholderControl, UnknownClassesLoadShowAndComeBackByteForByte) {
  const std::string binary = ObjectTextToBinary(FormText);
  FormPtr form = ReadForm(binary);

  auto* grid = dynamic_cast<TPlaceholderControl*>(form->FindComponent("Grid1"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ClassName(), "TSuperGrid");
  EXPECT_EQ(grid->Parent(), form.get());
  EXPECT_EQ(grid->BoundsRect(), Bounds(10, 20, 200, 120));
  EXPECT_EQ(grid->Properties().size(), 10u);
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), grid);
  auto* cell = dynamic_cast<TPlaceholderControl*>(form->FindComponent("Inner1"));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->Parent(), grid);
  auto* connection = dynamic_cast<TPlaceholderComponent*>(form->FindComponent("Connection1"));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(connection->ClassName(), "TSuperConnection");
  EXPECT_EQ(connection->DesignInfo(), 240 | (16 << 16));

  EXPECT_EQ(WriteBinary(form.get()), binary);
  EXPECT_EQ(WriteText(form.get()), FormText);

  // On the screen: a framed box, the button inside it.
  form->Show();
  QApplication::processEvents();
  const QImage image = grid->Widget()->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0).rgb(), ColorToQRgb(clBlack));
  EXPECT_EQ(image.pixelColor(grid->Width() / 2, grid->Height() - 4).rgb(), ColorToQRgb(clBtnFace));
  EXPECT_TRUE(button->Widget()->isVisible());
}

TEST(PlaceholderControl, ChangesMadeInTheDesignerAreWrittenInPlace) {
  FormPtr form = ReadForm(ObjectTextToBinary(FormText));
  auto* grid = static_cast<TPlaceholderControl*>(form->FindComponent("Grid1"));
  grid->SetBounds(12, 20, 200, 130);
  form->FindComponent("Inner1")->Free();
  auto* added = new TButton(form.get());
  added->SetName("Button2");
  added->SetParent(grid);
  added->SetBounds(8, 40, 75, 25);
  form->FindComponent("Connection1")->SetDesignInfo(250 | (16 << 16));

  std::string expected = FormText;
  expected.replace(expected.find("    Left = 10\r\n"), 15, "    Left = 12\r\n");
  expected.replace(expected.find("    Height = 120\r\n"), 18, "    Height = 130\r\n");
  const size_t inner = expected.find("    object Inner1");
  expected.erase(inner, expected.find("    end\r\n", inner) + 9 - inner);
  expected.insert(expected.find("  end\r\n  object Connection1"),
                  "    object Button2: TButton\r\n      Left = 8\r\n      Top = 40\r\n      Width = 75\r\n"
                  "      Height = 25\r\n      Caption = 'Button2'\r\n      TabOrder = 2\r\n    end\r\n");
  expected.replace(expected.find("    Left = 240\r\n"), 16, "    Left = 250\r\n");
  EXPECT_EQ(WriteText(form.get()), expected);
}

// A later version's form embeds a frame: the frame and the changes to its parts
// are kept as read, the parts named apart from the form's own.
TEST(PlaceholderControl, EmbeddedFramesComeBackByteForByte) {
  const std::string text =
      "object Form1: TForm1\r\n"
      "  Left = 0\r\n  Top = 0\r\n  Width = 300\r\n  Height = 200\r\n  Caption = 'Form1'\r\n"
      "  PixelsPerInch = 96\r\n  TextHeight = 13\r\n"
      "  object Button1: TButton\r\n"
      "    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25\r\n    Caption = 'Button1'\r\n"
      "    TabOrder = 0\r\n"
      "  end\r\n"
      "  inline Frame11: TFrame1\r\n"
      "    Left = 8\r\n    Top = 40\r\n    Width = 200\r\n    Height = 100\r\n    TabOrder = 1\r\n"
      "    inherited Button1: TButton\r\n      Caption = 'Go'\r\n    end\r\n"
      "  end\r\n"
      "end\r\n";
  const std::string binary = ObjectTextToBinary(text);
  FormPtr form = ReadForm(binary);
  auto* frame = dynamic_cast<TPlaceholderControl*>(form->FindComponent("Frame11"));
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame->FindComponent("Button1"), nullptr);
  EXPECT_NE(frame->FindComponent("Button1"), form->FindComponent("Button1"));
  EXPECT_EQ(WriteBinary(form.get()), binary);
  EXPECT_EQ(WriteText(form.get()), text);
}
