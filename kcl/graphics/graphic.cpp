#include "kcl/graphics/graphic.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"

namespace kcl {

KCL_CLASS_INFO(TGraphic) {}

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TStringStream stream(LoadBytesFromFile(fileName));
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  TMemoryStream stream;
  SaveToStream(stream);
  SaveBytesToFile(fileName, stream.View());
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

}  // namespace kcl
