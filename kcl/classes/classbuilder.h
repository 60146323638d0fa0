#pragma once
// How a class describes itself: KCL_CLASS_INFO(TButton) { cls.property(...); }
// One line per published property, in declaration order; events, published methods
// and published fields likewise.
#include <initializer_list>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <typeinfo>

#include "kcl/classes/events.h"
#include "kcl/classes/typeof.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

template <class T>
class TPropRef {
public:
  explicit TPropRef(TPropInfo& prop) : FProp(prop) {}
  // The default that the writer compares with (ordinal properties).
  template <class V>
  TPropRef& Default(V value) {
    FProp.Default = OrdinalTraits<V>::ToOrd(value);
    return *this;
  }
  TPropRef& NoDefault() {
    FProp.Default = ::kcl::NoDefault;
    return *this;
  }
  TPropRef& Stored(bool stored) {
    if (stored)
      FProp.Stored = nullptr;
    else
      FProp.Stored = [](const TObject*) { return false; };
    return *this;
  }
  // A predicate on the instance (a lambda would otherwise convert to "true").
  template <class F>
    requires std::is_invocable_r_v<bool, F, const TObject*>
  TPropRef& Stored(F predicate) {
    FProp.Stored = std::move(predicate);
    return *this;
  }
  template <class C>
  TPropRef& Stored(bool (C::*predicate)() const) {
    FProp.Stored = [predicate](const TObject* o) { return (static_cast<const T*>(o)->*predicate)(); };
    return *this;
  }
  TPropInfo& Info() { return FProp; }

private:
  TPropInfo& FProp;
};

template <class T>
class TClassBuilder {
public:
  explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

  // A builder for the properties and events this class declares for its
  // descendants to publish by name (the framework's protected properties): their
  // type, default and stored rule are given once, here.
  TClassBuilder unpublished() const {
    TClassBuilder builder(FInfo);
    builder.FPublished = false;
    return builder;
  }

  // A property read and written through member functions of T or of an ancestor.
  // The type table comes from the getter's type unless one is given (TColor, TCaption).
  template <class V, class C, class S>
  TPropRef<T> property(std::string name, V (C::*getter)() const, S setter, const TTypeInfo* type = nullptr) {
    static_assert(std::is_base_of_v<C, T>);
    using Value = std::remove_cvref_t<V>;
    auto prop = NewProp(std::move(name), type ? type : TypeInfoOf<Value>());
    auto get = [getter](const TObject* o) -> Value { return (static_cast<const T*>(o)->*getter)(); };
    auto set = MakeSetter<Value>(setter);
    if constexpr (std::is_same_v<Value, std::string>) {
      prop->GetStr = get;
      if (set) prop->SetStr = set;
    } else if constexpr (std::is_floating_point_v<Value>) {
      prop->GetFloat = [get](const TObject* o) -> long double { return get(o); };
      if (set) prop->SetFloat = [set](TObject* o, long double v) { set(o, static_cast<Value>(v)); };
    } else if constexpr (std::is_pointer_v<Value>) {
      prop->GetObj = [get](const TObject* o) -> TObject* { return get(o); };
      if (set)
        prop->SetObj = [set](TObject* o, TObject* v) {
          // A value of another class than the property's is refused, as a cast would.
          auto* typed = dynamic_cast<Value>(v);
          if (v && !typed) throw EPropertyError(msg::InvalidPropertyValue);
          set(o, typed);
        };
    } else {
      prop->GetOrd = [get](const TObject* o) { return OrdinalTraits<Value>::ToOrd(get(o)); };
      if (set) prop->SetOrd = [set](TObject* o, int64_t v) { set(o, OrdinalTraits<Value>::FromOrd(v)); };
    }
    return Add(std::move(prop));
  }

  // A read-only property.
  template <class V, class C>
  TPropRef<T> property(std::string name, V (C::*getter)() const, const TTypeInfo* type = nullptr) {
    return property(std::move(name), getter, nullptr, type);
  }

  // An event: a TEvent member of T (or of an ancestor) and its method type.
  template <class Sig, class C>
  TPropRef<T> event(std::string name, TEvent<Sig> C::*member, const TTypeInfo* methodType) {
    static_assert(std::is_base_of_v<C, T>);
    auto prop = NewProp(std::move(name), methodType);
    prop->GetMeth = [member](const TObject* o) { return (static_cast<const T*>(o)->*member).Method(); };
    prop->SetMeth = [member](TObject* o, const TMethod& m) { (static_cast<T*>(o)->*member).SetMethod(m); };
    return Add(std::move(prop));
  }

  // Publishes a property an ancestor declared or published, by name. One the
  // ancestor published keeps its place in the streaming order (typically given
  // another default or stored rule here); one it only declared takes its place in
  // this class's order. A name no ancestor has fails when the class describes
  // itself, that is when it is registered.
  TPropRef<T> republish(std::string_view name) {
    TClass parent = FInfo.ClassParent();
    PPropInfo inherited = parent ? parent->FindProp(name) : nullptr;
    if (!inherited && parent) inherited = parent->FindUnpublished(name);
    if (!inherited) throw std::logic_error(FInfo.ClassName() + ": no inherited property " + std::string(name));
    auto prop = std::make_unique<TPropInfo>(*inherited);
    prop->Owner = &FInfo;
    return TPropRef<T>(FInfo.AddProp(std::move(prop)));
  }

  // Publishes the ancestors' properties and events named, in that order.
  void publish(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) republish(name);
  }

  // A published method, found by name when an event is bound from a form file.
  template <class R, class C, class... Args>
  void method(std::string name, R (C::*pm)(Args...)) {
    static_assert(std::is_base_of_v<C, T>);
    using Thunk = std::function<R(TObject*, Args...)>;
    auto thunk = std::make_shared<Thunk>([pm](TObject* self, Args... args) -> R {
      T* target = dynamic_cast<T*>(self);
      if (!target) {
        if constexpr (std::is_void_v<R>) return; else return R{};
      }
      return (target->*pm)(std::forward<Args>(args)...);
    });
    auto entry = std::make_unique<TMethodEntry>();
    entry->Name = std::move(name);
    entry->Thunk = std::move(thunk);
    entry->Signature = &typeid(Thunk);
    FInfo.AddMethod(std::move(entry));
  }

  // A published field: when a component owned by T gets this name, the member points
  // to it (and back to nullptr when it goes).
  template <class F, class C>
  void field(std::string name, F* C::*member) {
    static_assert(std::is_base_of_v<C, T>);
    FInfo.AddField({std::move(name), &F::StaticClass(), [member](TObject* owner, TObject* value) {
                      static_cast<T*>(owner)->*member = dynamic_cast<F*>(value);
                    }});
  }

  using Describe = void (*)(TClassBuilder&);
  // The class's one table. A class may name itself while it describes itself (a
  // property of its own type): the table exists before the description runs.
  static const TClassInfo& Get(const char* name, const TClassInfo& (*parent)(), Describe describe) {
    static TClassInfo info(name, &parent());
    static std::recursive_mutex lock;
    static bool described = false;
    std::lock_guard guard(lock);
    if (!described) {
      described = true;
      info.SetFactory(Factory());
      TClassBuilder builder(info);
      describe(builder);
    }
    return info;
  }

private:
  static TFactory Factory() {
    if constexpr (std::is_abstract_v<T>) {
      return nullptr;
    } else if constexpr (std::is_constructible_v<T, TComponent*>) {
      return [](void* arg) -> TObject* { return new T(static_cast<TComponent*>(arg)); };
    } else if constexpr (std::is_constructible_v<T, TCollection*>) {
      return [](void* arg) -> TObject* { return new T(static_cast<TCollection*>(arg)); };
    } else if constexpr (std::is_default_constructible_v<T>) {
      return [](void*) -> TObject* { return new T(); };
    } else {
      return nullptr;
    }
  }

  template <class Value, class S>
  static std::function<void(TObject*, Value)> MakeSetter(S setter) {
    if constexpr (std::is_null_pointer_v<S>) {
      return nullptr;
    } else {
      return [setter](TObject* o, Value v) { (static_cast<T*>(o)->*setter)(v); };
    }
  }

  TPropRef<T> Add(std::unique_ptr<TPropInfo> prop) {
    return TPropRef<T>(FPublished ? FInfo.AddProp(std::move(prop)) : FInfo.AddUnpublished(std::move(prop)));
  }

  std::unique_ptr<TPropInfo> NewProp(std::string name, const TTypeInfo* type) {
    auto prop = std::make_unique<TPropInfo>();
    prop->Name = std::move(name);
    prop->PropType = type;
    prop->Owner = &FInfo;
    return prop;
  }

  TClassInfo& FInfo;
  bool FPublished = true;
};

}  // namespace kcl

// Defines Cls::StaticClass(); the block that follows describes the class.
#define KCL_CLASS_INFO(Cls)                                                                      \
  static void KclDescribe_##Cls(::kcl::TClassBuilder<Cls>& cls);                                \
  const ::kcl::TClassInfo& Cls::StaticClass() {                                                  \
    return ::kcl::TClassBuilder<Cls>::Get(#Cls, &Cls::inherited::StaticClass, &KclDescribe_##Cls); \
  }                                                                                              \
  static void KclDescribe_##Cls([[maybe_unused]] ::kcl::TClassBuilder<Cls>& cls)
