#pragma once
// Small Delphi projects written into a folder, as Delphi 3 writes them, for the
// Free Pascal build's tests.
#include <string>
#include <string_view>

namespace korvax::test {

// A form with a button whose OnClick handler sets the form's caption.
inline constexpr std::string_view ButtonFormText =
    "object Form1: TForm1\r\n"
    "  Left = 200\r\n"
    "  Top = 100\r\n"
    "  Width = 300\r\n"
    "  Height = 200\r\n"
    "  Caption = 'Form1'\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  OldCreateOrder = True\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Button1: TButton\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 75\r\n"
    "    Height = 25\r\n"
    "    Caption = 'Button1'\r\n"
    "    TabOrder = 0\r\n"
    "    OnClick = Button1Click\r\n"
    "  end\r\n"
    "end\r\n";

struct TButtonProject {
  bool BinaryForm = true;  // else the form file is text
  std::string_view UnitUses = "Windows, Messages, SysUtils, Classes, Forms, StdCtrls";
  bool ClickHook = false;  // the program also uses the unit of support/clickhook.h
};

// Project1.dpr with Unit1.pas and Unit1.dfm in dir.
void WriteButtonProject(const std::string& dir, const TButtonProject& project = {});

// The form file of text as Delphi writes it: resource header and binary stream.
std::string BinaryFormFile(std::string_view text);

}  // namespace korvax::test
