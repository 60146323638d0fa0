// The unit text the environment writes and edits line by line.
#include "ide/editor/sourcegen.h"

#include "ide/editor/componentunits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvax::editor {
namespace {

std::vector<std::string> LinesOf(const kcl::TStrings& lines) {
  std::vector<std::string> result;
  for (int i = 0; i < lines.Count(); ++i) result.push_back(lines.Strings(i));
  return result;
}

TEST(SourceGeneration, ANewUnitLineByLine) {
  auto unit = NewUnitSource("Unit2", "Form2");
  const std::vector<std::string> expected{
      "unit Unit2;", " ", "interface", " ", "uses",
      "   Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;", " ", "type",
      "  TForm2=class(TForm)", "  private", "    { Private declarations }", "  public", "    { Public declarations }",
      "  end;", " ", "var", "  Form2: TForm2;", " ", "implementation", " ", "{$R *.DFM}", " ", "end."};
  EXPECT_EQ(LinesOf(*unit), expected);
}

TEST(SourceGeneration, FieldsGoUnderTheHeaderAndOnlyTheirOwnLineGoes) {
  auto unit = NewUnitSource("Unit1", "Form1");
  AddComponentField(*unit, "Button1", "TButton");
  AddComponentField(*unit, "Button10", "TButton");
  AddComponentField(*unit, "Label1", "TLabel");
  EXPECT_EQ(unit->Strings(9), "    Label1:TLabel;");
  EXPECT_EQ(unit->Strings(10), "    Button10:TButton;");
  EXPECT_EQ(unit->Strings(11), "    Button1:TButton;");
  RemoveComponentField(*unit, "Button1");
  EXPECT_EQ(unit->Strings(10), "    Button10:TButton;");
  EXPECT_EQ(unit->Strings(11), "  private");
  RenameComponentField(*unit, "Button10", "OkButton");
  EXPECT_EQ(unit->Strings(10), "    OkButton:TButton;");
  const int count = unit->Count();
  RemoveComponentField(*unit, "Memo1");  // never added
  EXPECT_EQ(unit->Count(), count);
}

TEST(SourceGeneration, AComponentsUnitJoinsTheUsesClauseOnceAndUndoTakesItBack) {
  auto unit = NewUnitSource("Unit1", "Form1");
  const std::string before = ComponentFieldLines(*unit);
  AddUnitToUses(*unit, ComponentUnitOf("TButton"));
  AddUnitToUses(*unit, ComponentUnitOf("TEdit"));
  AddUnitToUses(*unit, ComponentUnitOf("TOpenDialog"));
  AddUnitToUses(*unit, "stdctrls");
  AddUnitToUses(*unit, ComponentUnitOf("TNoSuchClass"));
  EXPECT_EQ(unit->Strings(5), "   Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls;");
  RestoreComponentFieldLines(*unit, before);
  EXPECT_EQ(LinesOf(*unit), LinesOf(*NewUnitSource("Unit1", "Form1")));

  // A clause over several lines, written by hand: the unit goes before its ';'.
  kcl::TStringList hand;
  hand.SetText("unit U;\r\ninterface\r\nuses Windows,\r\n  Forms, ExtCtrls ;  { done }\r\ntype\r\nimplementation\r\n"
               "uses Menus;\r\nend.\r\n");
  AddUnitToUses(hand, "ExtCtrls");
  AddUnitToUses(hand, "Menus");
  EXPECT_EQ(hand.Strings(3), "  Forms, ExtCtrls , Menus;  { done }");
  EXPECT_EQ(hand.Strings(6), "uses Menus;");
  // No interface clause: nothing to add to.
  kcl::TStringList bare;
  bare.SetText("unit U;\r\ninterface\r\ntype\r\nimplementation\r\nuses Menus;\r\nend.\r\n");
  AddUnitToUses(bare, "StdCtrls");
  EXPECT_EQ(bare.Strings(4), "uses Menus;");
}

TEST(SourceGeneration, AHandlerIsDeclaredAndGetsABodyBeforeTheLastTwoLines) {
  auto unit = NewUnitSource("Unit1", "Form1");
  AddComponentField(*unit, "Button1", "TButton");
  const std::string handler = "Button1Click(Sender: TObject);";
  EXPECT_FALSE(HasHandlerBody(*unit, "Form1", handler));
  const int caretLine = AddHandlerText(*unit, "Form1", handler);
  EXPECT_EQ(unit->Strings(10), "    procedure Button1Click(Sender: TObject);");
  EXPECT_EQ(unit->Strings(11), "  private");
  const std::vector<std::string> all = LinesOf(*unit);
  const std::vector<std::string> tail(all.end() - 8, all.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"{$R *.DFM}", "", "procedure TForm1.Button1Click(Sender: TObject);",
                                            "begin", "", "end;", " ", "end."}));
  // The caret goes before the line "end;": at the end of the empty line in the body.
  EXPECT_EQ(unit->Strings(caretLine), "end;");
  EXPECT_TRUE(HasHandlerBody(*unit, "Form1", handler));
  // The body is found, not the declaration.
  EXPECT_EQ(HandlerBodyLine(*unit, "Form1", handler), caretLine);
}

TEST(SourceGeneration, TheUnitHeaderFollowsTheFileNameWhenItSaysUnit) {
  auto unit = NewUnitSource("Unit1", "Form1");
  SetUnitNameText(*unit, "C:\\Work\\Main.pas");
  EXPECT_EQ(unit->Strings(0), "unit Main;");
  unit->Put(0, "Unit Unit1;");
  SetUnitNameText(*unit, "/home/me/Other.pas");
  EXPECT_EQ(unit->Strings(0), "Unit Unit1;");
}

}  // namespace
}  // namespace korvax::editor
