#include "mainwindowtest.h"

#include <QTest>
#include <filesystem>

#include "ide/common/environment.h"
#include "ide/common/textutils.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainwindows.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/system/inifile.h"
#include "support/samplefiles.h"

namespace korvax::test {

using namespace kcl;

void MainWindowTest::SetUpTestSuite() {
  if (FMainForm) return;
  CreateMainWindows();
  CaptionBeforeShowing() = FMainForm->Caption();
  FMainForm->Show();
}

std::string& MainWindowTest::CaptionBeforeShowing() {
  static std::string caption;
  return caption;
}

void MainWindowTest::SetUp() {
  TApplication::SetMessageBoxHandler([this](const std::string& text, const std::string& caption, uint32_t) {
    Messages.push_back(caption + ": " + text);
    return IDOK;
  });
  ProgramDir = AddBackslash(Dir.Path());
  StartDir = ProgramDir;
  SettingsDir = ProgramDir;
  IniFile = std::make_unique<TIniFile>(SettingsDir + "Korvax.ini");
  FMainForm->ResetProject();  // in this start directory
}

void MainWindowTest::TearDown() {
  // Whatever is left is not saved; the next test starts as the program does.
  SetModalHook([](TCustomForm& form) { form.SetModalResult(mrNo); });
  SetDialogHook([](TComponent&) { return false; });
  FMainForm->PaletteChoice.SelectedComponentTag = 0;
  FMainForm->PaletteChoice.StickyPlacement = false;
  Application()->Guard([] { FMainForm->FileNewApplicationItemClick(FMainForm); });
  FMainForm->DesignFormActive = false;
  SetModalHook(nullptr);
  SetDialogHook(nullptr);
  TApplication::SetMessageBoxHandler(nullptr);
  TPageControl* palette = FMainForm->PageControl1;
  for (int i = 0; i < palette->PageCount(); ++i)
    if (auto* arrow = dynamic_cast<TSpeedButton*>(palette->Pages(i)->Controls(0))) arrow->SetDown(true);
}

TSpeedButton* MainWindowTest::Button(const char* name) {
  return dynamic_cast<TSpeedButton*>(FMainForm->FindComponent(name));
}

TMenuItem* MainWindowTest::MenuItem(const char* name) {
  return dynamic_cast<TMenuItem*>(FMainForm->FindComponent(name));
}

void MainWindowTest::Click(TSpeedButton* button, Qt::KeyboardModifiers keys) {
  ASSERT_NE(button, nullptr);
  FMainForm->Show();
  button->Parent()->Show();
  QTest::mouseClick(button->Widget(), Qt::LeftButton, keys, QPoint(5, 5));
}

void MainWindowTest::AnswerQuestions(std::function<TModalResult(const std::string& question)> answer) {
  SetModalHook([this, answer](TCustomForm& box) {
    std::string question;
    for (int i = 0; i < box.ComponentCount(); ++i)
      if (auto* label = dynamic_cast<TControl*>(box.Components(i));
          label && label->ClassName() == "TLabel" && !label->Caption().empty())
        question = label->Caption();
    Questions.push_back(question);
    box.SetModalResult(answer(question));
  });
}

void MainWindowTest::AnswerQuestions(TModalResult answer) {
  AnswerQuestions([answer](const std::string&) { return answer; });
}

void MainWindowTest::AnswerFileDialogs(std::function<std::string(TOpenDialog& dialog)> choose) {
  SetDialogHook([this, choose](TComponent& component) {
    auto* dialog = dynamic_cast<TOpenDialog*>(&component);
    if (!dialog) return false;
    FileDialogs.push_back(dialog->Title() + "|" + dialog->FileName() + "|" + std::to_string(dialog->FilterIndex()) +
                          "|" + dialog->InitialDir());
    const std::string chosen = choose(*dialog);
    if (chosen.empty()) return false;
    dialog->SetFileName(chosen);
    return true;
  });
}

std::string MainWindowTest::CopySampleProject(const std::string& folder, const std::string& copyName) const {
  const std::string target = Dir.File(copyName.empty() ? std::filesystem::path(folder).filename().string() : copyName);
  std::filesystem::copy(SamplePath(folder), target, std::filesystem::copy_options::recursive);
  // The samples are read-only; the copies are the test's to write.
  const auto writable = [](const std::filesystem::path& path) {
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  };
  writable(target);
  for (const auto& entry : std::filesystem::directory_iterator(target)) writable(entry.path());
  return target + "/";
}

}  // namespace korvax::test
