#pragma once
// TPersistent: objects that can be assigned to each other and streamed.
#include <string>
#include <vector>

#include "kcl/classes/object.h"

namespace kcl {

class TFiler;

class TPersistent : public TObject {
  KCL_CLASS(TPersistent, TObject)
public:
  TPersistent() = default;
  // Forgets the properties kept for it from a stream.
  ~TPersistent() override;
  // Copies source's state; raises EConvertError "Cannot assign a %s to a %s" when
  // neither side knows how.
  virtual void Assign(const TPersistent* source);
  // The dotted name that identifies the object to the user ("Button1.Font").
  virtual std::string GetNamePath() const;

protected:
  virtual void AssignTo(TPersistent* dest) const;
  // Streams values that are not published properties (string lists, binary data).
  virtual void DefineProperties(TFiler& filer);
  virtual TPersistent* GetOwner() const { return nullptr; }
  // After an object's properties are read it is told their paths in stream
  // order, and each sub-object that received some is told their names, so that
  // they can remember how their file wrote them.
  virtual void PropertiesRead(const std::vector<std::string>& /*names*/) {}

  friend class TReader;
  friend class TWriter;
};

}  // namespace kcl
