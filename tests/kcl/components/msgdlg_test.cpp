#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "kcl/components/dlgcontrols.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/components/msgdlg.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/controls/modal.h"

using namespace kcl;

namespace {

// Answers the next modal forms with answer and clears the hook when it goes.
class ModalAnswer {
public:
  explicit ModalAnswer(TModalHook answer) { SetModalHook(std::move(answer)); }
  ~ModalAnswer() { SetModalHook(nullptr); }
};

TButton* Button(TCustomForm& form, const char* name) {
  auto* button = dynamic_cast<TButton*>(form.FindComponent(name));
  EXPECT_NE(button, nullptr) << name;
  return button;
}

// The names of the form's buttons from left to right.
std::vector<std::string> ButtonRow(TCustomForm& form) {
  std::vector<TButton*> buttons;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TButton*>(form.Components(i))) buttons.push_back(b);
  std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->Left() < b->Left(); });
  std::vector<std::string> names;
  for (auto* b : buttons) names.push_back(b->Name());
  return names;
}

void PressKey(TCustomForm& form, Qt::Key key) {
  auto* focused = form.ActiveControl();
  ASSERT_NE(focused, nullptr);
  QTest::keyClick(focused->Widget(), key);
}

}  // namespace

TEST(MessageDlg, CaptionsAndPicturesPerType) {
  Application()->SetTitle("Korvax Test");
  const struct {
    TMsgDlgType Type;
    const char* Caption;
    uint32_t Icon;
  } table[] = {{mtWarning, "Warning", MB_ICONWARNING},       {mtError, "Error", MB_ICONERROR},
               {mtInformation, "Information", MB_ICONINFORMATION}, {mtConfirmation, "Confirm", MB_ICONQUESTION},
               {mtCustom, "Korvax Test", 0}};
  for (const auto& row : table) {
    std::string caption, message;
    uint32_t icon = 0;
    ModalAnswer answer([&](TCustomForm& form) {
      caption = form.Caption();
      if (auto* image = dynamic_cast<TMessageIcon*>(form.FindComponent("Image"))) icon = image->IconFlag();
      message = dynamic_cast<TControl*>(form.FindComponent("Message"))->Caption();
      Button(form, "OK")->Click();
    });
    EXPECT_EQ(MessageDlg("Disk full", row.Type, {mbOK}, 0), mrOk);
    EXPECT_EQ(caption, row.Caption);
    EXPECT_EQ(icon, row.Icon);
    EXPECT_EQ(message, "Disk full");
  }
}

TEST(MessageDlg, ButtonsInARowReturnTheirResults) {
  const TMsgDlgButtons buttons = mbYesNoCancel + TMsgDlgButtons{mbAll};
  for (const auto& [name, result] : {std::pair{"Yes", mrYes}, std::pair{"No", mrNo},
                                     std::pair{"Cancel", mrCancel}, std::pair{"All", mrAll}}) {
    ModalAnswer answer([&, name = name](TCustomForm& form) {
      EXPECT_EQ(ButtonRow(form), (std::vector<std::string>{"Yes", "No", "Cancel", "All"}));
      EXPECT_EQ(Button(form, "Yes")->Caption(), "&Yes");
      EXPECT_EQ(Button(form, "No")->Caption(), "&No");
      EXPECT_EQ(Button(form, "Cancel")->Caption(), "Cancel");
      EXPECT_EQ(Button(form, "All")->Caption(), "&All");
      // Centred, all on one line, below the message.
      auto* yes = Button(form, "Yes");
      auto* all = Button(form, "All");
      EXPECT_NEAR(yes->Left(), form.ClientWidth() - (all->Left() + all->Width()), 1);
      EXPECT_EQ(yes->Top(), all->Top());
      auto* message = dynamic_cast<TControl*>(form.FindComponent("Message"));
      EXPECT_GT(yes->Top(), message->Top() + message->Height());
      EXPECT_LE(yes->Top() + yes->Height(), form.ClientHeight());
      // The default button has the focus.
      EXPECT_EQ(form.ActiveControl(), yes);
      EXPECT_TRUE(yes->Default());
      Button(form, name)->Click();
    });
    EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, buttons, 0), result) << name;
  }
}

TEST(MessageDlg, KeysAndClosing) {
  {
    ModalAnswer answer([](TCustomForm& form) { PressKey(form, Qt::Key_Escape); });
    EXPECT_EQ(MessageDlg("Quit?", mtConfirmation, mbYesNoCancel, 0), mrCancel);
    // Without a Cancel button, Escape presses No.
    EXPECT_EQ(MessageDlg("Quit?", mtConfirmation, {mbYes, mbNo}, 0), mrNo);
  }
  {
    ModalAnswer answer([](TCustomForm& form) { PressKey(form, Qt::Key_Return); });
    EXPECT_EQ(MessageDlg("Quit?", mtConfirmation, {mbYes, mbNo}, 0), mrYes);
    EXPECT_EQ(MessageDlg("Failed", mtError, mbAbortRetryIgnore, 0), mrRetry);
  }
  {
    ModalAnswer answer([](TCustomForm& form) { form.Close(); });
    EXPECT_EQ(MessageDlg("Quit?", mtConfirmation, {mbYes, mbNo}, 0), mrCancel);
  }
  {
    // Help does not close the form.
    ModalAnswer answer([](TCustomForm& form) {
      Button(form, "Help")->Click();
      EXPECT_EQ(form.ModalResult(), mrNone);
      Button(form, "OK")->Click();
    });
    EXPECT_EQ(MessageDlg("Read the manual", mtInformation, {mbOK, mbHelp}, 12), mrOk);
  }
}

TEST(MessageDlg, ShowMessageHasTheApplicationsTitleAndOneButton) {
  Application()->SetTitle("Korvax Test");
  std::string caption;
  std::vector<std::string> row;
  ModalAnswer answer([&](TCustomForm& form) {
    caption = form.Caption();
    row = ButtonRow(form);
    EXPECT_EQ(form.FindComponent("Image"), nullptr);
    form.SetModalResult(mrOk);
  });
  ShowMessage("Done");
  EXPECT_EQ(caption, "Korvax Test");
  EXPECT_EQ(row, std::vector<std::string>{"OK"});
}

TEST(MessageDlg, LongMessagesWrapInsideTheForm) {
  const std::string longText(400, 'x');
  std::string words;
  for (int i = 0; i < 80; ++i) words += "word ";
  ModalAnswer answer([](TCustomForm& form) {
    auto* message = dynamic_cast<TControl*>(form.FindComponent("Message"));
    EXPECT_LE(message->Left() + message->Width(), form.ClientWidth());
    EXPECT_LE(form.Width(), Screen()->Width());
    form.SetModalResult(mrOk);
  });
  MessageDlg(words, mtInformation, {mbOK}, 0);
}

TEST(InputQuery, OkTakesTheEditedValueCancelKeepsTheOld) {
  std::string value = "old";
  {
    ModalAnswer answer([](TCustomForm& form) {
      EXPECT_EQ(form.Caption(), "Rename");
      EXPECT_EQ(dynamic_cast<TControl*>(form.FindComponent("Prompt"))->Caption(), "New name:");
      auto* edit = dynamic_cast<TEdit*>(form.FindComponent("Edit"));
      EXPECT_EQ(edit->Text(), "old");
      edit->SetText("new");
      Button(form, "OK")->Click();
    });
    EXPECT_TRUE(InputQuery("Rename", "New name:", value));
    EXPECT_EQ(value, "new");
  }
  {
    ModalAnswer answer([](TCustomForm& form) {
      dynamic_cast<TEdit*>(form.FindComponent("Edit"))->SetText("discarded");
      PressKey(form, Qt::Key_Escape);
    });
    EXPECT_FALSE(InputQuery("Rename", "New name:", value));
    EXPECT_EQ(value, "new");
    EXPECT_EQ(InputBox("Rename", "New name:", "default"), "default");
  }
  {
    // Typing into the edit and pressing Enter there is OK.
    ModalAnswer answer([](TCustomForm& form) {
      QWidget* edit = form.ActiveControl()->Widget();
      QTest::keyClicks(edit, "typed");
      QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(InputBox("Rename", "New name:", ""), "typed");
  }
}

TEST(MessageBoxes, ApplicationMessageBoxShowsAFrameworkForm) {
  InstallMessageBoxes();
  InstallMessageBoxes();
  std::string caption;
  std::vector<std::string> row;
  uint32_t icon = 0;
  TControl* focused = nullptr;
  ModalAnswer answer([&](TCustomForm& form) {
    caption = form.Caption();
    row = ButtonRow(form);
    icon = dynamic_cast<TMessageIcon*>(form.FindComponent("Image"))->IconFlag();
    focused = form.ActiveControl();
    EXPECT_EQ(focused->Name(), "No");
    Button(form, "No")->Click();
  });
  EXPECT_EQ(Application()->MessageBox("Overwrite?", "Save", MB_YESNO | MB_ICONQUESTION | 0x100), IDNO);
  EXPECT_EQ(caption, "Save");
  EXPECT_EQ(row, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(icon, MB_ICONQUESTION);

  ModalAnswer retry([&](TCustomForm& form) {
    row = ButtonRow(form);
    Button(form, "Retry")->Click();
  });
  EXPECT_EQ(Application()->MessageBox("Drive not ready", "Error", MB_RETRYCANCEL | MB_ICONERROR), IDRETRY);
  EXPECT_EQ(row, (std::vector<std::string>{"Retry", "Cancel"}));
}
