#pragma once
// TObject: the root of every framework class. Each instance reports its class
// information; the designer may replace it with a class made at run time.
#include "kcl/classes/typinfo.h"

namespace kcl {

// Declares a framework class inside its body. Pair it with KCL_CLASS_INFO in the
// class's source file, where the class publishes its properties.
#define KCL_CLASS(Cls, Parent)                                                   \
public:                                                                          \
  using inherited = Parent;                                                      \
  static const ::kcl::TClassInfo& StaticClass();                                 \
  const ::kcl::TClassInfo* NativeClass() const override { return &StaticClass(); }

class TObject {
public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static const TClassInfo& StaticClass();
  // The class as compiled; ClassType() is what the instance reports now.
  virtual const TClassInfo* NativeClass() const { return &StaticClass(); }
  TClass ClassType() const { return FClassOverride ? FClassOverride : NativeClass(); }
  const std::string& ClassName() const { return ClassType()->ClassName(); }
  bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
  // Makes the instance report a run-time class (see TClassInfo::CreateRuntimeClass).
  void SetClassType(TClass cls) { FClassOverride = cls; }

  // Frees the object the framework's way: BeforeDestruction runs while the whole
  // object is still alive (components free what they own there), then delete.
  void Free();
  virtual void BeforeDestruction() {}

  const TMethodEntry* MethodAddress(std::string_view name) const { return ClassType()->FindMethod(name); }
  std::string MethodName(const TMethodEntry* code) const { return ClassType()->MethodName(code); }

private:
  TClass FClassOverride = nullptr;
};

template <class T>
void FreeAndNil(T*& object) {
  T* o = object;
  object = nullptr;
  if (o) o->Free();
}

// unique_ptr deleter that frees the framework's way.
struct TObjectFree {
  void operator()(TObject* o) const {
    if (o) o->Free();
  }
};

}  // namespace kcl
