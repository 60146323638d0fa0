// Files named on the command line, opened once the windows are up.
#include "ide/shell/commandline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using editor::EditorForm;

class CommandLine : public test::MainWindowTest {};

TEST_F(CommandLine, AProjectOpensAsOpenProjectDoesAndOtherFilesAsOpenDoes) {
  CopySampleProject("03/SDITEMP");
  test::WriteFileBytes(Dir.File("notes.txt"), "notes\n");
  OpenCommandLineFiles(*FMainForm, {"SDITEMP/SDIAPP.DPR", "missing.pas", Dir.File("notes.txt"), "SDITEMP/ABOUT.PAS"},
                       Dir.Path());
  EXPECT_EQ(FMainForm->ProjectInfo->ProjectFile(), Dir.File("SDITEMP/SDIAPP.DPR"));
  EXPECT_EQ(FMainForm->ProjectInfo->State(), psOpened);
  std::vector<std::string> pages;
  for (int i = 0; i < EditorForm->PageControl1->PageCount(); ++i)
    pages.push_back(EditorForm->PageControl1->Pages(i)->Caption());
  EXPECT_EQ(pages, (std::vector<std::string>{"Unit1", "Sdimain", "notes.txt", "ABOUT.PAS"}));
  std::vector<std::string> forms;
  for (designer::TProxyForm* form : FMainForm->DesignForms()) forms.push_back(form->Name());
  EXPECT_EQ(forms, (std::vector<std::string>{"SDIAppForm", "AboutBox"}));
  // What is not there is said, and the rest still opens.
  EXPECT_EQ(Messages, std::vector<std::string>{"Korvax : Cannot open file " + Dir.File("missing.pas")});
}

}  // namespace
}  // namespace korvax
