// The source position a line of the compiler's output names.
#include "ide/shell/compilemessage.h"

#include <gtest/gtest.h>

namespace korvax {
namespace {

std::string PositionOf(std::string_view message) {
  const std::optional<TSourcePosition> position = SourcePositionOf(message);
  return position ? position->File + "@" + std::to_string(position->Line) : "none";
}

TEST(CompileMessage, AFileAndALineAtTheStart) {
  EXPECT_EQ(PositionOf("Unit1.pas(29): Undeclared identifier 'x'"), "Unit1.pas@29");
  EXPECT_EQ(PositionOf("Unit1.pas(3) Error: Undeclared identifier: 'Foo'"), "Unit1.pas@3");
  EXPECT_EQ(PositionOf("  Project1.dpr(12) Hint: Value assigned never used"), "Project1.dpr@12");
  EXPECT_EQ(PositionOf("C:\\My Work\\Unit2.pas(7) Warning: x"), "C:\\My Work\\Unit2.pas@7");
  EXPECT_EQ(PositionOf("/home/u/My Work/Unit2.pas(7)"), "/home/u/My Work/Unit2.pas@7");
  // Free Pascal's with a column.
  EXPECT_EQ(PositionOf("Unit1.pas(5,3) Error: Identifier not found \"Oops\""), "Unit1.pas@5");
}

TEST(CompileMessage, OtherLinesNameNothing) {
  EXPECT_EQ(PositionOf("Borland Delphi Version 10.0 Copyright (c) 1983,97 Borland International"), "none");
  EXPECT_EQ(PositionOf("Fatal: File not found: 'Foo.dcu'"), "none");
  EXPECT_EQ(PositionOf("Error: something (12)"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(): x"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(0): x"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(12"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(12,x) y"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(,3) y"), "none");
  EXPECT_EQ(PositionOf("Unit1.pas(99999999999999): x"), "none");
  EXPECT_EQ(PositionOf(".pas(3)"), "none");
  EXPECT_EQ(PositionOf("Unit1(3): no extension"), "none");
  EXPECT_EQ(PositionOf(""), "none");
}

}  // namespace
}  // namespace korvax
