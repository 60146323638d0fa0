#pragma once
// The framework's exception classes. Every error that reaches the user carries the
// framework's own message text; EAbort is the silent exception that handlers ignore.
#include <stdexcept>
#include <string>

namespace kcl {

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const char* what() const noexcept override { return FMessage.c_str(); }
  const std::string& Message() const { return FMessage; }
  void SetMessage(std::string message) { FMessage = std::move(message); }

private:
  std::string FMessage;
};

#define KCL_EXCEPTION(Name, Parent)        \
  class Name : public Parent {             \
  public:                                  \
    using Parent::Parent;                  \
  }

KCL_EXCEPTION(EAbort, Exception);
KCL_EXCEPTION(EConvertError, Exception);
KCL_EXCEPTION(EInOutError, Exception);
KCL_EXCEPTION(EStreamError, Exception);
KCL_EXCEPTION(EFCreateError, EStreamError);
KCL_EXCEPTION(EFOpenError, EStreamError);
KCL_EXCEPTION(EFilerError, EStreamError);
KCL_EXCEPTION(EReadError, EFilerError);
KCL_EXCEPTION(EWriteError, EFilerError);
KCL_EXCEPTION(EClassNotFound, EReadError);
KCL_EXCEPTION(EInvalidImage, EFilerError);
KCL_EXCEPTION(EParserError, Exception);
KCL_EXCEPTION(EComponentError, Exception);
KCL_EXCEPTION(EStringListError, Exception);
KCL_EXCEPTION(EListError, Exception);
KCL_EXCEPTION(EPropertyError, Exception);
KCL_EXCEPTION(EInvalidOperation, Exception);

// The framework's message texts, shared by every place that raises them.
namespace msg {
inline constexpr const char* InvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* InvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* OutOfRange = "Value must be between %d and %d";
inline constexpr const char* InvalidIdent = "'%s' is not a valid identifier";
inline constexpr const char* ReadError = "Stream read error";
inline constexpr const char* WriteError = "Stream write error";
inline constexpr const char* FCreateError = "Cannot create file %s";
inline constexpr const char* FOpenError = "Cannot open file %s";
inline constexpr const char* InvalidImage = "Invalid stream format";
inline constexpr const char* ClassNotFound = "Class %s not found";
inline constexpr const char* DuplicateClass = "A class named %s already exists";
inline constexpr const char* AncestorNotFound = "Ancestor for '%s' not found";
inline constexpr const char* UnknownProperty = "Property %s does not exist";
inline constexpr const char* PropertyException = "Error reading %s%s%s: %s";
inline constexpr const char* InvalidPropertyValue = "Invalid property value";
inline constexpr const char* UnknownValueType = "Invalid stream format: %s of property %s is unknown";
inline constexpr const char* ValueTypeMismatch = "Invalid property value: %s cannot be %s";
inline constexpr const char* InvalidPropertyPath = "Invalid property path";
inline constexpr const char* InvalidName = "'%s' is not a valid component name";
inline constexpr const char* DuplicateName = "A component named %s already exists";
inline constexpr const char* ListIndexError = "List index out of bounds (%d)";
inline constexpr const char* DuplicateString = "String list does not allow duplicates";
inline constexpr const char* SortedListError = "Operation not allowed on sorted string list";
inline constexpr const char* ParseError = "%s on line %d";
}  // namespace msg

}  // namespace kcl
