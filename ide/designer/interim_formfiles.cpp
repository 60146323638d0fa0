// Interim stand-in for the designer's form file and clipboard operations until
// formfiles.cpp and componentclipboard.cpp arrive; removed then.
#include <memory>

#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"
#include "kcl/desktop/clipboard.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {
std::string ClassOfText(const std::string& text) {
  const size_t colon = text.find(':');
  const size_t end = text.find_first_of("\r\n", colon);
  return colon == std::string::npos ? "TForm1" : Trim(text.substr(colon + 1, end - colon - 1));
}
}  // namespace

TProxyForm* LoadFormFile(const std::string& fileName, TPaletteChoice& palette, std::string& error) {
  if (!FileExists(fileName)) return nullptr;
  auto* form = new TProxyForm(nullptr, palette);
  try {
    std::string bytes = LoadBytesFromFile(fileName);
    std::string binary;
    if (HasResourceHeader(bytes)) {
      TStringStream in(bytes);
      ReadResHeader(in);
      binary = in.ReadRest();
    } else if (bytes.starts_with("TPF0")) {
      binary = bytes;
    } else {
      binary = ObjectTextToBinary(bytes);
    }
    MakeDesignClass(*form, ClassOfText(ObjectBinaryToText(binary)));
    TStringStream stream(binary);
    TReader reader(stream);
    reader.OnFindMethod = [form](TReader&, const std::string& name) {
      return form->ProxyDesigner()->CreateMethod(name, nullptr).Code;
    };
    reader.ReadRootComponent(form);
  } catch (const std::exception& e) {
    error = e.what();
  }
  PrepareLoadedForm(*form);
  form->Show();
  return form;
}

void WriteFormFile(TProxyForm& form, const std::string& fileName) {
  TMemoryStream stream;
  stream.WriteComponentRes(UpperCase(form.ClassName()), &form);
  SaveBytesToFile(fileName, stream.View());
}

std::string FormText(TProxyForm& form) {
  TMemoryStream stream;
  stream.WriteComponent(&form);
  return ObjectBinaryToText(stream.View());
}

unsigned ComponentClipboardFormat() {
  static const unsigned format = RegisterClipboardFormat("Delphi Component");
  return format;
}

bool ClipboardHasComponents() { return IsClipboardFormatAvailable(ComponentClipboardFormat()); }

void CopySelection(TProxyDesigner& designer) {
  TMemoryStream stream;
  {
    TWriter writer(stream);
    writer.SetRoot(designer.Form);
    for (TControl* control : designer.Selection) {
      writer.WriteSignature();
      writer.WriteComponent(TProxyDesigner::ComponentOf(control));
    }
    writer.WriteListEnd();
  }
  Clipboard().SetBuffer(ComponentClipboardFormat(), stream.View());
}

void CutSelection(TProxyDesigner& designer) {
  CopySelection(designer);
  const std::vector<TControl*> selected = designer.Selection;
  designer.ClearSelection();
  for (TControl* control : selected) TProxyDesigner::ComponentOf(control)->Free();
}

void PasteComponents(TProxyDesigner& designer) {
  const auto data = Clipboard().GetBuffer(ComponentClipboardFormat());
  if (!data) return;
  designer.ClearSelection();
  TStringStream stream(*data);
  TReader reader(stream);
  reader.OnSetName = [&](TReader&, TComponent* component, std::string& name) {
    name = designer.UniqueName(component->ClassName());
  };
  reader.ReadComponents(designer.Form, designer.Form, [&](TComponent* component) {
    if (auto* control = dynamic_cast<TControl*>(component)) {
      control->SetDesigning(true);
      control->SetBounds(control->Left() + 10, control->Top() + 10, control->Width(), control->Height());
    }
  });
}

}  // namespace korvax::designer
