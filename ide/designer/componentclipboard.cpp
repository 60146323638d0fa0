#include "ide/designer/componentclipboard.h"

#include <algorithm>
#include <utility>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"
#include "kcl/controls/control.h"
#include "kcl/desktop/clipboard.h"

namespace korvax::designer {

using namespace kcl;

namespace {

// Where a pasted component lands, from where it was copied.
constexpr TPoint PasteOffset{10, 10};

// The components the selection stands for, without those inside another
// selected control (they travel with it); the form is no component of its own.
std::vector<TComponent*> CopiedComponents(const TProxyDesigner& designer) {
  std::vector<TComponent*> components;
  for (TControl* control : designer.Selection) {
    if (control == designer.Form) continue;
    bool inside = false;
    for (const TWinControl* parent = control->Parent(); parent && parent != designer.Form && !inside;
         parent = parent->Parent())
      inside = designer.IsSelected(parent);
    if (!inside) components.push_back(TProxyDesigner::ComponentOf(control));
  }
  return components;
}

}  // namespace

unsigned ComponentClipboardFormat() {
  static const unsigned format = RegisterClipboardFormat("Delphi Component");
  return format;
}

bool ClipboardHasComponents() { return Clipboard().HasFormat(ComponentClipboardFormat()); }

void CopySelection(TProxyDesigner& designer) {
  const std::vector<TComponent*> components = CopiedComponents(designer);
  if (components.empty()) return;
  TMemoryStream stream;
  {
    TWriter writer(stream);
    writer.SetRoot(designer.Form);
    for (TComponent* component : components) {
      writer.WriteSignature();
      writer.WriteComponent(component);
    }
    writer.WriteListEnd();
  }
  TClipboard& clipboard = Clipboard();
  clipboard.Open();
  clipboard.SetBuffer(ComponentClipboardFormat(), stream.View());
  clipboard.Close();
}

void CutSelection(TProxyDesigner& designer) {
  CopySelection(designer);
  designer.DeleteSelection();
}

void PasteComponents(TProxyDesigner& designer) {
  const std::optional<std::string> data = Clipboard().GetBuffer(ComponentClipboardFormat());
  if (!data || data->empty()) return;
  TProxyForm& form = *designer.Form;
  const int first = form.ComponentCount();
  std::vector<TComponent*> topLevel;
  TStringStream stream(*data);
  TReader reader(stream);
  reader.OnSetName = [&designer](TReader&, TComponent* component, std::string& name) {
    name = designer.UniqueName(component->ClassName());
  };
  // An event is kept when the form has its handler; one of another form's is left out.
  bool missingHandler = false;
  reader.OnFindMethod = [&](TReader&, const std::string& name) -> const TMethodEntry* {
    if (designer.MethodExists(name)) return designer.CreateMethod(name, nullptr).Code;
    missingHandler = true;
    return nullptr;
  };
  reader.OnError = [&missingHandler](TReader&, const std::string&) { return std::exchange(missingHandler, false); };
  try {
    reader.ReadComponents(&form, &form, [&topLevel](TComponent* component) { topLevel.push_back(component); });
  } catch (...) {
    // What was read before the damage stays on the form, as a paste.
    designer.AddPasted(first, topLevel, PasteOffset);
    throw;
  }
  designer.AddPasted(first, topLevel, PasteOffset);
}

}  // namespace korvax::designer
