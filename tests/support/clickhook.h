#pragma once
// A unit for the test programs Free Pascal builds from Delphi projects: once the
// program is idle it clicks the main form's Button1, writes the form's caption to
// the file $KORVAX_CAPTION_FILE names and ends the program.
#include <string_view>

namespace korvax::test {

inline constexpr std::string_view ClickHookUnit =
    "unit ClickHook;\n\n{$mode delphi}\n\ninterface\n\nimplementation\n\n"
    "uses Classes, SysUtils, Forms, StdCtrls;\n\n"
    "type\n  THook = class\n    procedure Idle(Sender: TObject; var Done: Boolean);\n  end;\n\n"
    "procedure THook.Idle(Sender: TObject; var Done: Boolean);\nvar\n  Lines: TStringList;\nbegin\n"
    "  Application.RemoveOnIdleHandler(Idle);\n"
    "  (Application.MainForm.FindComponent('Button1') as TButton).Click;\n"
    "  Lines := TStringList.Create;\n  Lines.Add(Application.MainForm.Caption);\n"
    "  Lines.SaveToFile(GetEnvironmentVariable('KORVAX_CAPTION_FILE'));\n  Lines.Free;\n"
    "  Application.Terminate;\nend;\n\n"
    "var\n  Hook: THook;\n\ninitialization\n  Hook := THook.Create;\n"
    "  Application.AddOnIdleHandler(Hook.Idle);\nend.\n";

}  // namespace korvax::test
