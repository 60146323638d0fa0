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

void TStream::WriteComponent(TComponent* instance) { WriteDescendent(instance, nullptr); }

void TStream::WriteComponentRes(const std::string& resName, TComponent* instance) {
  WriteDescendentRes(resName, instance, nullptr);
}

void TStream::WriteDescendent(TComponent* instance, TComponent* ancestor) {
  TWriter writer(*this);
  writer.WriteDescendent(instance, ancestor);
}

void TStream::WriteDescendentRes(const std::string& resName, TComponent* instance, TComponent* ancestor) {
  const int64_t dataStart = WriteResourceHeader(*this, resName);
  WriteDescendent(instance, ancestor);
  FixupResourceHeader(*this, dataStart);
}

}  // namespace kcl
