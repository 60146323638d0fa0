#pragma once
// TypeInfoOf<V>(): the type table of a C++ type used as a published property.
// Fundamental types are known here; enumerations and sets declare theirs with
// KCL_ENUM / KCL_ENUM_TYPE / KCL_SET next to their definition (found by
// argument-dependent lookup of KclTypeInfo), classes through their StaticClass().
#include <string>
#include <type_traits>

#include "kcl/classes/object.h"
#include "kcl/classes/sets.h"

namespace kcl {

const TTypeInfo* IntegerType();   // "Integer"
const TTypeInfo* BooleanType();   // "Boolean"
const TTypeInfo* StringType();    // "string"
const TTypeInfo* CharType();      // "Char"
const TTypeInfo* SmallintType();  // "Smallint"
const TTypeInfo* WordType();      // "Word"
const TTypeInfo* ByteType();      // "Byte"
const TTypeInfo* CardinalType();  // "Cardinal"
const TTypeInfo* SingleType();    // "Single"
const TTypeInfo* DoubleType();    // "Double"
const TTypeInfo* ExtendedType();  // "Extended"

inline const TTypeInfo* KclTypeInfo(int*) { return IntegerType(); }
inline const TTypeInfo* KclTypeInfo(bool*) { return BooleanType(); }
inline const TTypeInfo* KclTypeInfo(char*) { return CharType(); }
inline const TTypeInfo* KclTypeInfo(short*) { return SmallintType(); }
inline const TTypeInfo* KclTypeInfo(unsigned short*) { return WordType(); }
inline const TTypeInfo* KclTypeInfo(unsigned char*) { return ByteType(); }
inline const TTypeInfo* KclTypeInfo(unsigned*) { return CardinalType(); }
inline const TTypeInfo* KclTypeInfo(std::string*) { return StringType(); }
inline const TTypeInfo* KclTypeInfo(float*) { return SingleType(); }
inline const TTypeInfo* KclTypeInfo(double*) { return DoubleType(); }
inline const TTypeInfo* KclTypeInfo(long double*) { return ExtendedType(); }

template <class V>
const TTypeInfo* TypeInfoOf() {
  using T = std::remove_cvref_t<V>;
  if constexpr (std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_pointer_t<T>>) {
    return std::remove_pointer_t<T>::StaticClass().ClassTypeInfo();
  } else {
    return KclTypeInfo(static_cast<T*>(nullptr));
  }
}

// Ordinal values as the run-time type information holds them.
template <class V>
struct OrdinalTraits {
  static int64_t ToOrd(V v) { return static_cast<int64_t>(v); }
  static V FromOrd(int64_t v) { return static_cast<V>(v); }
};
template <>
struct OrdinalTraits<bool> {
  static int64_t ToOrd(bool v) { return v ? 1 : 0; }
  static bool FromOrd(int64_t v) { return v != 0; }
};
template <class E>
struct OrdinalTraits<TSet<E>> {
  static int64_t ToOrd(TSet<E> v) { return v.Bits(); }
  static TSet<E> FromOrd(int64_t v) { return TSet<E>::FromBits(static_cast<uint32_t>(v)); }
};

}  // namespace kcl

// Declares an enumeration with its type table: KCL_ENUM(TAlign, alNone, alTop, ...).
#define KCL_ENUM(Name, ...)                                                              \
  enum Name : int { __VA_ARGS__ };                                                       \
  inline const ::kcl::TTypeInfo* KclTypeInfo(Name*) {                                    \
    static const ::kcl::TTypeInfo* info = ::kcl::MakeEnumTypeFromList(#Name, #__VA_ARGS__); \
    return info;                                                                         \
  }

// The type table of an enumeration declared elsewhere, under a chosen type name.
#define KCL_ENUM_TYPE(CppType, TypeName, ...)                                               \
  inline const ::kcl::TTypeInfo* KclTypeInfo(CppType*) {                                    \
    static const ::kcl::TTypeInfo* info = ::kcl::MakeEnumTypeFromList(TypeName, #__VA_ARGS__); \
    return info;                                                                            \
  }

// A set type over an enumeration: KCL_SET(TFontStyles, TFontStyle).
#define KCL_SET(Name, Element)                                                           \
  using Name = ::kcl::TSet<Element>;                                                     \
  inline const ::kcl::TTypeInfo* KclTypeInfo(Name*) {                                    \
    static const ::kcl::TTypeInfo* info =                                                \
        ::kcl::MakeSetType(#Name, ::kcl::TypeInfoOf<Element>());                         \
    return info;                                                                         \
  }
