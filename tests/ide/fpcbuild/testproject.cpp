#include "testproject.h"

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "support/clickhook.h"
#include "support/testfiles.h"

namespace korvax::test {

std::string BinaryFormFile(std::string_view text) {
  kcl::TStringStream input{std::string(text)};
  kcl::TStringStream output;
  kcl::ObjectTextToResource(input, output);
  return output.DataString();
}

void WriteButtonProject(const std::string& dir, const TButtonProject& project) {
  const std::filesystem::path folder(dir);
  if (project.ClickHook) WriteFileBytes((folder / "ClickHook.pas").string(), ClickHookUnit);
  WriteFileBytes((folder / "Project1.dpr").string(),
                 std::string("program Project1;\r\n\r\nuses\r\n  Forms,\r\n  Unit1 in 'Unit1.pas' {Form1}") +
                     (project.ClickHook ? ",\r\n  ClickHook in 'ClickHook.pas'" : "") +
                     ";\r\n\r\n{$R *.RES}\r\n\r\nbegin\r\n  Application.Initialize;\r\n"
                 "  Application.CreateForm(TForm1, Form1);\r\n  Application.Run;\r\nend.\r\n");
  WriteFileBytes((folder / "Unit1.pas").string(),
                 "unit Unit1;\r\n\r\ninterface\r\n\r\nuses\r\n  " + std::string(project.UnitUses) +
                     ";\r\n\r\ntype\r\n  TForm1 = class(TForm)\r\n    Button1: TButton;\r\n"
                     "    procedure Button1Click(Sender: TObject);\r\n  end;\r\n\r\nvar\r\n  Form1: TForm1;\r\n\r\n"
                     "implementation\r\n\r\n{$R *.DFM}\r\n\r\nprocedure TForm1.Button1Click(Sender: TObject);\r\n"
                     "begin\r\n  Caption := 'Clicked';\r\nend;\r\n\r\nend.\r\n");
  WriteFileBytes((folder / "Unit1.dfm").string(),
                 project.BinaryForm ? BinaryFormFile(ButtonFormText) : std::string(ButtonFormText));
}

}  // namespace korvax::test
