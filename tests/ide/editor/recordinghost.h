#pragma once
// The main window's side of the editor, as a record of what the editor asked,
// and an editor window shown with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/editor/editorform.h"
#include "support/windowtest.h"

namespace korvax::test {

class RecordingHost : public editor::TEditorHost {
public:
  std::string UnitFileName() const override { return Unit; }
  void SetUnitFileName(const std::string& fileName) override { Unit = fileName; }
  void SourceChanged() override { ++Changes; }
  void EditorActivated() override { ++Activations; }
  const kcl::TStrings* ProjectSource() const override { return &Project; }
  bool SaveFile(const std::string& fileName) override {
    Saved.push_back(fileName);
    return SaveSucceeds;
  }
  std::string Unit = "Unit1.pas";
  int Changes = 0;
  int Activations = 0;
  kcl::TStringList Project;
  std::vector<std::string> Saved;
  // False: the user cancelled the save.
  bool SaveSucceeds = true;
};

class EditorWindowTest : public testing::Test {
protected:
  void SetUp() override {
    Editor = MakeWindow<editor::TEditorForm>();
    Editor->Host = &Host;
    Editor->Show();
  }
  void TearDown() override { editor::CurrentEditor = nullptr; }
  RecordingHost Host;
  WindowPtr<editor::TEditorForm> Editor;
};

}  // namespace korvax::test
