#pragma once
// The one seam through which tests answer modal windows without a person. When a
// hook is set, a modal form (and every dialog and message box built on the
// framework) is shown and handed to the hook instead of waiting for input; the
// hook answers by setting the form's ModalResult, clicking its buttons or filling
// its fields. Production code never sets it.
// The system's own dialogs (file, font, colour, print, find) go to the dialog hook
// instead: it fills in the dialog component's properties as a user would and
// returns what Execute returns.
#include <functional>

namespace kcl {

class TComponent;
class TCustomForm;

using TModalHook = std::function<void(TCustomForm& form)>;
void SetModalHook(TModalHook hook);
// Runs the hook for a form about to wait modally; false when no hook is set.
bool RunModalHook(TCustomForm& form);

using TDialogHook = std::function<bool(TComponent& dialog)>;
void SetDialogHook(TDialogHook hook);
bool HasDialogHook();
bool RunDialogHook(TComponent& dialog);

}  // namespace kcl
