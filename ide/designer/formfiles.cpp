#include "ide/designer/formfiles.h"

#include <algorithm>
#include <utility>

#include "ide/common/textutils.h"
#include "ide/designer/formancestry.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr size_t ResourceNameLimit = 63;


TFormFileKind KindOf(std::string_view bytes) {
  if (!bytes.empty() && static_cast<unsigned char>(bytes[0]) == 0xFF) return TFormFileKind::Resource;
  if (bytes.starts_with("TPF0")) return TFormFileKind::Binary;
  return TFormFileKind::Text;
}

// The component stream of a form file in any of its kinds.
std::string ComponentStreamOf(const std::string& bytes, TFormFileKind kind) {
  if (kind == TFormFileKind::Text) return ObjectTextToBinary(bytes);
  if (kind == TFormFileKind::Binary) return bytes;
  return StreamData(bytes);
}

// The class and the name of the stream's root record ("TForm1", "Form1").
std::pair<std::string, std::string> RootRecord(const std::string& binary) {
  TStringStream stream(binary);
  TReader reader(stream);
  reader.ReadSignature();
  uint8_t flags = 0;
  int32_t childPos = 0;
  reader.ReadPrefix(flags, childPos);
  std::string className = reader.ReadStr();
  return {className, reader.ReadStr()};
}

// The events read were bound to the designer's methods by name: each method
// learns its event's type, as a method the inspector made would have it.
void TypeDesignerMethods(TProxyForm& form) {
  TProxyDesigner& designer = *form.ProxyDesigner();
  const auto bind = [&designer](TComponent* component) {
    for (PPropInfo prop : GetPropInfos(component->ClassType())) {
      if (prop->PropType->Kind != tkMethod || !prop->GetMeth || !prop->SetMeth) continue;
      const TMethod method = GetMethodProp(component, prop);
      if (!method.Code) continue;
      for (TProxyDesigner::TDesignMethod& m : designer.Methods)
        if (m.Entry.get() == method.Code && !m.TypeData) m.TypeData = GetTypeData(prop->PropType);
      SetMethodProp(component, prop, {method.Code, nullptr});
    }
  };
  bind(&form);
  for (int i = 0; i < form.ComponentCount(); ++i) bind(form.Components(i));
}

// "object Form1: TForm1" (or "inherited" or "inline") at the start of a text form.
std::string TextRootName(const std::string& text) {
  const std::string first = Trim(text.substr(0, text.find('\n')));
  const size_t blank = first.find(' ');
  const size_t colon = first.find(':');
  if (blank == std::string::npos || colon == std::string::npos || colon < blank) return {};
  return Trim(std::string_view(first).substr(blank + 1, colon - blank - 1));
}

}  // namespace

std::string FormFileFormName(const std::string& fileName) {
  const std::string bytes = LoadBytesFromFile(fileName);
  const TFormFileKind kind = KindOf(bytes);
  if (kind == TFormFileKind::Text) return TextRootName(bytes);
  return RootRecord(kind == TFormFileKind::Binary ? bytes : StreamData(bytes)).second;
}

TProxyForm* LoadFormFile(const std::string& fileName, TPaletteChoice& palette, std::string& error) {
  error.clear();
  if (!FileExists(fileName)) return nullptr;
  std::vector<std::string> chain;  // the component streams to read, base form first
  std::vector<std::string> ancestors;
  std::pair<std::string, std::string> root;
  TFormFileKind kind = TFormFileKind::Resource;
  try {
    const std::string bytes = LoadBytesFromFile(fileName);
    kind = KindOf(bytes);
    if (kind == TFormFileKind::Resource && IsInheritedForm(bytes)) {
      const std::string directory = ExtractFilePath(fileName);
      ancestors = Ancestry(bytes, [&directory](const std::string& form) {
        return AncestorInDirectory(directory.empty() ? "." : directory, form);
      });
      ancestors.pop_back();
      for (const std::string& ancestor : ancestors) chain.push_back(StreamData(ancestor));
    }
    chain.push_back(ComponentStreamOf(bytes, kind));
    root = RootRecord(chain.back());
  } catch (const Exception& e) {
    error = e.Message();
    return nullptr;
  }
  auto* form = new TProxyForm(nullptr, palette, TProxyForm::TStart::Bare);
  MakeDesignClass(*form, root.first);
  form->FileKind = kind;
  form->AncestorFiles = std::move(ancestors);
  form->UnitFileName = ExtractBaseName(fileName) + ".pas";
  try {
    // A form under design keeps its own name whatever other form has it.
    form->SetStateFlag(csDesigning, true);
    form->SetName(root.second);
    for (const std::string& binary : chain) ReadComponentStream(*form, binary);
  } catch (const Exception& e) {
    error = e.Message();
    form->LoadError = error;
  }
  // Every form file holds its form's text metrics; a data module's holds none.
  form->DataModule = !form->HeldInFile("PixelsPerInch") && !form->HeldInFile("TextHeight");
  PrepareReadForm(*form);
  form->DesignedVisible = form->Visible();
  form->Show();
  form->ProxyDesigner()->ResetHistory();
  return form;
}

void ReadComponentStream(TProxyForm& form, const std::string& binary) {
  TProxyDesigner& designer = *form.ProxyDesigner();
  form.SetStateFlag(csDesigning, true);
  OnScopeExit designed([&form] { form.SetStateFlag(csDesigning, false); });
  TStringStream stream(binary);
  TReader reader(stream);
  reader.OnFindMethod = [&designer](TReader&, const std::string& name) {
    return designer.CreateMethod(name, nullptr).Code;
  };
  reader.ReadRootComponent(&form);
}

void PrepareReadForm(TProxyForm& form) {
  TypeDesignerMethods(form);
  PrepareLoadedForm(form);
}

std::string ComponentStream(TProxyForm& form) {
  TMemoryStream stream;
  stream.WriteComponent(&form);
  return std::string(stream.View());
}

void WriteFormFile(TProxyForm& form, const std::string& fileName) {
  if (!form.LoadError.empty())
    throw EInvalidOperation(Format("%s was not read whole and is not written over its file", {fileName}));
  TMemoryStream stream;
  switch (form.FileKind) {
    case TFormFileKind::Resource: {
      std::string name = UpperCase(form.ClassName());
      name.resize(std::min(name.size(), ResourceNameLimit));
      const TComponentPtr ancestor =
          form.AncestorFiles.empty() ? nullptr : LoadChain(form.AncestorFiles, form.AncestorFiles.size());
      stream.WriteDescendentRes(name, &form, ancestor.get());
      break;
    }
    case TFormFileKind::Binary: stream.WriteComponent(&form); break;
    case TFormFileKind::Text: stream.WriteString(ObjectBinaryToText(ComponentStream(form))); break;
  }
  SaveBytesToFile(fileName, stream.View());
}

std::string FormText(TProxyForm& form) { return ObjectBinaryToText(ComponentStream(form)); }

}  // namespace korvax::designer
