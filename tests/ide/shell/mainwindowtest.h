#pragma once
// The program's three windows, made once and shown as the program shows them.
// Each test gets a temporary directory that holds the settings file and serves as
// the program's and the start directory; its questions and file dialogs are
// answered by the test, and it ends with a new application, as the program starts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ide/shell/mainform.h"
#include "kcl/components/dialogs.h"
#include "kcl/components/buttons.h"
#include "kcl/controls/menus.h"
#include "support/testfiles.h"

namespace korvax::test {

class MainWindowTest : public testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The caption the main window had before its first showing.
  static std::string& CaptionBeforeShowing();
  static kcl::TSpeedButton* Button(const char* name);
  static kcl::TMenuItem* MenuItem(const char* name);
  static void Click(kcl::TSpeedButton* button, Qt::KeyboardModifiers keys = Qt::NoModifier);

  // Every question (a message dialog) is answered by answer and its text recorded
  // in Questions.
  void AnswerQuestions(std::function<kcl::TModalResult(const std::string& question)> answer);
  void AnswerQuestions(kcl::TModalResult answer);
  // Every file dialog chooses what choose returns ("" cancels it); each is recorded
  // in FileDialogs as "<title>|<file name>|<filter index>|<initial directory>".
  void AnswerFileDialogs(std::function<std::string(kcl::TOpenDialog& dialog)> choose);

  // Copies a folder of the sample projects ("23/XCHART") into the test's directory,
  // under its own name or copyName; the copy's path, with a separator.
  std::string CopySampleProject(const std::string& folder, const std::string& copyName = "") const;

  TempDir Dir;
  std::vector<std::string> Messages;
  std::vector<std::string> Questions;
  std::vector<std::string> FileDialogs;
};

}  // namespace korvax::test
