#pragma once
// Message dialogs: MessageDlg, ShowMessage, InputQuery/InputBox, and the boxes of
// Application()->MessageBox, all modal framework forms (so the modal hook answers
// them in tests).
#include <memory>
#include <string>

#include "kcl/classes/sets.h"
#include "kcl/classes/typeof.h"
#include "kcl/controls/controltypes.h"

namespace kcl {

class TForm;

KCL_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
KCL_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp)
KCL_SET(TMsgDlgButtons, TMsgDlgBtn)

inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A message form: the type's picture, the message and the buttons centred in a
// row, named after them ("Yes", "OK", ...); the default button has the focus and
// Escape presses the cancel button. The caller owns and frees the form.
std::unique_ptr<TForm, TObjectFree> CreateMessageDialog(const std::string& msg, TMsgDlgType dlgType,
                                                        TMsgDlgButtons buttons);
// Shows a message form and returns the pressed button's result (mrYes, mrOk, ...).
int MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx);
int MessageDlgPos(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx, int x,
                  int y);
// The message with an OK button, captioned with the application's title.
void ShowMessage(const std::string& msg);

// A form with the prompt, an edit line ("Edit") holding value, OK and Cancel; true
// and the edited value after OK.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The edited value after OK, defaultValue otherwise.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

// Makes Application()->MessageBox show message forms. Safe to call more than once.
void InstallMessageBoxes();

}  // namespace kcl
