#include "ide/designer/propertyvalues.h"

#include "kcl/classes/component.h"
#include "kcl/rtl/exceptions.h"

namespace korvax::designer {

using namespace kcl;

namespace {

// Names are the designer's business, and a design form's Visible is its window's.
// A sub-object is changed through its own properties, without a setter.
bool IsTaken(PPropInfo prop) {
  if (prop->Name == "Name" || prop->Name == "Visible") return false;
  return prop->HasSetter() || (prop->PropType->Kind == tkClass && prop->GetObj);
}

}  // namespace

TPropertyValues TPropertyValues::Take(const TPersistent& instance) {
  TPropertyValues values;
  for (PPropInfo prop : GetPropInfos(instance.ClassType())) {
    if (!IsTaken(prop)) continue;
    switch (prop->PropType->Kind) {
      case tkInteger: case tkChar: case tkEnumeration: case tkSet: case tkWChar:
        values.FEntries.push_back({prop, GetOrdProp(&instance, prop)});
        break;
      case tkFloat: values.FEntries.push_back({prop, GetFloatProp(&instance, prop)}); break;
      case tkString: case tkLString: case tkWString:
        values.FEntries.push_back({prop, GetStrProp(&instance, prop)});
        break;
      case tkMethod: values.FEntries.push_back({prop, GetMethodProp(&instance, prop)}); break;
      case tkClass: {
        TObject* object = GetObjectProp(&instance, prop);
        if (auto* component = dynamic_cast<TComponent*>(object)) {
          values.FEntries.push_back({prop, TNamed{component->Name()}});
        } else if (!object) {
          values.FEntries.push_back({prop, TNamed{}});
        } else if (auto* persistent = dynamic_cast<TPersistent*>(object)) {
          if (!GetPropInfos(persistent->ClassType()).empty()) {
            values.FEntries.push_back({prop, std::make_shared<TPropertyValues>(Take(*persistent))});
          } else if (persistent->ClassType()->CanCreate()) {
            std::shared_ptr<TPersistent> copy(static_cast<TPersistent*>(persistent->ClassType()->NewInstance(nullptr)));
            try {
              copy->Assign(persistent);
              values.FEntries.push_back({prop, copy});
            } catch (const EConvertError&) {
              // A class that cannot be copied is left as it is.
            }
          }
        }
        break;
      }
      default: break;
    }
  }
  return values;
}

void TPropertyValues::GiveBack(TPersistent& instance, TComponent& root) const {
  for (const TEntry& entry : FEntries) {
    PPropInfo prop = entry.Prop;
    if (const auto* ord = std::get_if<int64_t>(&entry.Value)) {
      if (GetOrdProp(&instance, prop) != *ord) SetOrdProp(&instance, prop, *ord);
    } else if (const auto* number = std::get_if<long double>(&entry.Value)) {
      if (GetFloatProp(&instance, prop) != *number) SetFloatProp(&instance, prop, *number);
    } else if (const auto* text = std::get_if<std::string>(&entry.Value)) {
      if (GetStrProp(&instance, prop) != *text) SetStrProp(&instance, prop, *text);
    } else if (const auto* method = std::get_if<TMethod>(&entry.Value)) {
      if (!(GetMethodProp(&instance, prop) == *method)) SetMethodProp(&instance, prop, *method);
    } else if (const auto* named = std::get_if<TNamed>(&entry.Value)) {
      TObject* wanted = named->Name.empty() ? nullptr : root.FindComponent(named->Name);
      if (prop->SetObj && GetObjectProp(&instance, prop) != wanted) SetObjectProp(&instance, prop, wanted);
    } else if (const auto* nested = std::get_if<std::shared_ptr<TPropertyValues>>(&entry.Value)) {
      if (auto* object = dynamic_cast<TPersistent*>(GetObjectProp(&instance, prop))) (*nested)->GiveBack(*object, root);
    } else if (const auto* copy = std::get_if<std::shared_ptr<TPersistent>>(&entry.Value)) {
      if (auto* object = dynamic_cast<TPersistent*>(GetObjectProp(&instance, prop))) object->Assign(copy->get());
    }
  }
}

}  // namespace korvax::designer
