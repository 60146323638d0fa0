#pragma once
// The one seam through which tests answer modal windows without a person. When a
// hook is set, a modal form (and every dialog and message box built on the
// framework) is shown and handed to the hook instead of waiting for input; the
// hook answers by setting the form's ModalResult, clicking its buttons or filling
// its fields. Production code never sets it.
#include <functional>

namespace kcl {

class TCustomForm;

using TModalHook = std::function<void(TCustomForm& form)>;
void SetModalHook(TModalHook hook);
// Runs the hook for a form about to wait modally; false when no hook is set.
bool RunModalHook(TCustomForm& form);

}  // namespace kcl
