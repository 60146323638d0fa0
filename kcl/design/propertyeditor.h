#pragma once
// Property editors: how the object inspector shows and changes one published
// property of the components being designed. An editor turns the value into
// text and back (through the framework's identifier tables for colours, cursors,
// enumerations and sets), may offer a list of values, sub-properties or a dialog,
// and reports every change to the form's designer (Modified).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/object.h"
#include "kcl/classes/typinfo.h"
#include "kcl/design/formdesigner.h"

namespace kcl {

class TPersistent;

enum TPropertyAttribute {
  paValueList, paSubProperties, paDialog, paMultiSelect, paAutoUpdate, paSortList, paReadOnly, paRevertable
};
// One bit per attribute, bit n for the attribute of ordinal n.
using TPropertyAttributes = uint8_t;
constexpr TPropertyAttributes AttributeBit(TPropertyAttribute a) { return static_cast<TPropertyAttributes>(1u << a); }

class TPropertyEditor;
// Receives an editor made for a caller, who owns it from then on.
using TGetPropEditProc = std::function<void(std::unique_ptr<TPropertyEditor> editor)>;

class TPropertyEditor : public TObject {
  KCL_CLASS(TPropertyEditor, TObject)
public:
  // An editor of propCount instances' same property; SetPropEntry fills them.
  TPropertyEditor(TFormDesigner* designer, int propCount);
  ~TPropertyEditor() override;

  virtual void Activate() {}
  // Whether every instance holds the same value.
  virtual bool AllEqual();
  // Opens the editor's dialog.
  virtual void Edit();
  virtual TPropertyAttributes GetAttributes();
  TPersistent* GetComponent(int index) const;
  virtual int GetEditLimit();
  virtual std::string GetName();
  // Hands the editors of the sub-properties to proc, in the order they are listed.
  virtual void GetProperties(const TGetPropEditProc& proc);
  virtual std::string GetValue();
  // Hands the values the property can take to proc, one by one.
  virtual void GetValues(const TGetStrProc& proc);
  virtual void Initialize() {}
  // Applies text to every instance; a text the property cannot take raises the
  // framework's error and changes nothing.
  virtual void SetValue(const std::string& value);
  void Revert();
  bool ValueAvailable() const;

  TFormDesigner* Designer() const { return FDesigner; }
  int PropCount() const { return static_cast<int>(FProps.size()); }
  PPropInfo GetPropInfo() const { return FProps.front().Prop; }
  const TTypeInfo* GetPropType() const { return GetPropInfo()->PropType; }
  std::string GetPrivateDirectory() const;
  void SetPropEntry(int index, TPersistent* instance, PPropInfo prop);

protected:
  // The value of the first instance, and setting the value of all of them (each
  // followed by Modified).
  int64_t GetOrdValue() const;
  int64_t GetOrdValueAt(int index) const;
  void SetOrdValue(int64_t value);
  std::string GetStrValue() const;
  std::string GetStrValueAt(int index) const;
  void SetStrValue(const std::string& value);
  long double GetFloatValue() const;
  long double GetFloatValueAt(int index) const;
  void SetFloatValue(long double value);
  TObject* GetObjectValue() const;
  TObject* GetObjectValueAt(int index) const;
  void SetObjectValue(TObject* value);
  TMethod GetMethodValue() const;
  TMethod GetMethodValueAt(int index) const;
  void SetMethodValue(const TMethod& value);
  PPropInfo GetPropInfoAt(int index) const;
  // Gives each instance change(its own value), as one set.
  void ChangeOrdValues(const std::function<int64_t(int64_t)>& change);
  // Tells the designer that the form changed.
  void Modified();

private:
  struct TInstProp {
    TPersistent* Instance = nullptr;
    PPropInfo Prop = nullptr;
  };
  const TInstProp& Entry(int index) const;
  // Sets every instance; when one refuses, those set before it get their values back.
  template <class Value>
  void SetEach(const std::function<Value(int)>& get, const std::function<void(int, const Value&)>& set,
               const std::function<Value(const Value&)>& change);
  TFormDesigner* FDesigner;
  std::vector<TInstProp> FProps;
};

// Makes an editor of a class: the registry's way of naming an editor class.
using TPropertyEditorClass = std::unique_ptr<TPropertyEditor> (*)(TFormDesigner* designer, int propCount);
template <class Editor>
TPropertyEditorClass EditorClassOf() {
  return [](TFormDesigner* designer, int propCount) -> std::unique_ptr<TPropertyEditor> {
    return std::make_unique<Editor>(designer, propCount);
  };
}

// The default editors of the property kinds.
class TOrdinalProperty : public TPropertyEditor {
  KCL_CLASS(TOrdinalProperty, TPropertyEditor)
public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  int GetEditLimit() override;

protected:
  // SetOrdValue for a value within the type's MinValue..MaxValue; any other raises.
  void SetOrdValueInRange(int64_t value);
};

class TIntegerProperty : public TOrdinalProperty {
  KCL_CLASS(TIntegerProperty, TOrdinalProperty)
public:
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  // Decimal or "$" hexadecimal text within the type's range.
  void SetValue(const std::string& value) override;
};

class TCharProperty : public TOrdinalProperty {
  KCL_CLASS(TCharProperty, TOrdinalProperty)
public:
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TEnumProperty : public TOrdinalProperty {
  KCL_CLASS(TEnumProperty, TOrdinalProperty)
public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

class TFloatProperty : public TPropertyEditor {
  KCL_CLASS(TFloatProperty, TPropertyEditor)
public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TStringProperty : public TPropertyEditor {
  KCL_CLASS(TStringProperty, TPropertyEditor)
public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  int GetEditLimit() override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// One element of a set: False or True.
class TSetElementProperty : public TPropertyEditor {
  KCL_CLASS(TSetElementProperty, TPropertyEditor)
public:
  TSetElementProperty(TFormDesigner* designer, int propCount, int element);
  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override;
  std::string GetName() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;

private:
  int FElement;
};

class TSetProperty : public TOrdinalProperty {
  KCL_CLASS(TSetProperty, TOrdinalProperty)
public:
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  // One element editor per ordinal of the element type, lowest first.
  void GetProperties(const TGetPropEditProc& proc) override;
  // "[" element names "," "]".
  std::string GetValue() override;
  // The same text back, the names in any order and case, blanks allowed.
  void SetValue(const std::string& value) override;
};

class TClassProperty : public TPropertyEditor {
  KCL_CLASS(TClassProperty, TPropertyEditor)
public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  // The published properties of the object the property holds.
  void GetProperties(const TGetPropEditProc& proc) override;
  // The property's class name in parentheses.
  std::string GetValue() override;
};

class TMethodProperty : public TPropertyEditor {
  KCL_CLASS(TMethodProperty, TPropertyEditor)
public:
  using TPropertyEditor::TPropertyEditor;
  bool AllEqual() override;
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  int GetEditLimit() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
  // The designer's name for a new handler: component name + event name without "On".
  virtual std::string GetFormMethodName();
  virtual std::string GetTrimmedEventName();
};

class TColorProperty : public TIntegerProperty {
  KCL_CLASS(TColorProperty, TIntegerProperty)
public:
  using TIntegerProperty::TIntegerProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

class TCursorProperty : public TIntegerProperty {
  KCL_CLASS(TCursorProperty, TIntegerProperty)
public:
  using TIntegerProperty::TIntegerProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

class TFontProperty : public TClassProperty {
  KCL_CLASS(TFontProperty, TClassProperty)
public:
  using TClassProperty::TClassProperty;
  TPropertyAttributes GetAttributes() override;
  // The font dialog, starting from the property's font; OK assigns its font.
  void Edit() override;
};

// The editor registry. A registration applies to properties of propertyType (for
// a class type, also of its descendants), limited to components of
// componentClass (and descendants) when given and to the property named
// propertyName when given. Later registrations are asked first.
void RegisterPropertyEditor(const TTypeInfo* propertyType, TClass componentClass, const std::string& propertyName,
                            TPropertyEditorClass editorClass);
// Forgets every registration (for a fresh start of the registry).
void ClearPropertyEditors();
// The editor for one property of instance: the registry's, else the default of
// the property's kind; nullptr for kinds without one.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TFormDesigner* designer, TPersistent* instance,
                                                      PPropInfo prop);
// One editor for every published property of kinds of the components (all must
// have it), in name order, handed to proc.
void GetComponentProperties(const std::vector<TPersistent*>& components, TTypeKinds kinds, TFormDesigner* designer,
                            const TGetPropEditProc& proc);

}  // namespace kcl
