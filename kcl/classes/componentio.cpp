// TStream's component operations, kept apart from the streams themselves.
#include "kcl/classes/component.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/writer.h"

namespace kcl {

TComponent* TStream::ReadComponent(TComponent* instance) {
  TReader reader(*this);
  return reader.ReadRootComponent(instance);
}

TComponent* TStream::ReadComponentRes(TComponent* instance) {
  ReadResHeader(*this);
  return ReadComponent(instance);
}

void TStream::WriteComponent(TComponent* instance) {
  TWriter writer(*this);
  writer.WriteRootComponent(instance);
}

void TStream::WriteComponentRes(const std::string& resName, TComponent* instance) {
  const int64_t dataStart = WriteResourceHeader(*this, resName);
  WriteComponent(instance);
  FixupResourceHeader(*this, dataStart);
}

}  // namespace kcl
