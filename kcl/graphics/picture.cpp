#include "kcl/graphics/picture.h"

#include <mutex>
#include <stdexcept>
#include <vector>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/icon.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

struct FileFormat {
  std::string Extension;
  TClass GraphicClass;
};

struct FileFormats {
  std::mutex Lock;
  std::vector<FileFormat> List{{"bmp", &TBitmap::StaticClass()}, {"ico", &TIcon::StaticClass()}};

  TClass FindExtension(std::string_view extension) {
    std::lock_guard guard(Lock);
    for (const FileFormat& f : List)
      if (SameText(f.Extension, extension)) return f.GraphicClass;
    return nullptr;
  }
  TClass FindClassName(std::string_view name) {
    std::lock_guard guard(Lock);
    for (const FileFormat& f : List)
      if (SameText(f.GraphicClass->ClassName(), name)) return f.GraphicClass;
    return nullptr;
  }
};

FileFormats& Formats() {
  static FileFormats formats;
  return formats;
}

bool IsGraphicClass(TClass cls) { return cls && cls->InheritsFrom(&TGraphic::StaticClass()) && cls->CanCreate(); }

// cls is a registered class or a graphic's own class: a TGraphic either way.
std::unique_ptr<TGraphic, TObjectFree> NewGraphic(TClass cls) {
  auto* graphic = static_cast<TGraphic*>(cls->NewInstance(nullptr));
  if (!graphic) throw EInvalidGraphicOperation(Format("Cannot create a %s", {cls->ClassName()}));
  return std::unique_ptr<TGraphic, TObjectFree>(graphic);
}

}  // namespace

KCL_CLASS_INFO(TPicture) {}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const std::string& extension, TClass graphicClass) {
  if (!IsGraphicClass(graphicClass)) throw std::invalid_argument("RegisterFileFormat: not a graphic class");
  FileFormats& formats = Formats();
  std::lock_guard guard(formats.Lock);
  formats.List.push_back({extension, graphicClass});
}

void TPicture::Replace(GraphicPtr graphic) {
  FGraphic = std::move(graphic);
  FUnknownData.clear();
  if (FGraphic) FGraphic->OnChange.SetHandler([this](TObject*) { Changed(); });
  Changed();
}

void TPicture::SetGraphic(const TGraphic* value) {
  if (value == FGraphic.get() && value) return;
  GraphicPtr copy;
  if (value) {
    copy = NewGraphic(value->ClassType());
    copy->Assign(value);
  }
  Replace(std::move(copy));
}

template <class G>
G* TPicture::ForceType() {
  if (auto* graphic = dynamic_cast<G*>(FGraphic.get())) return graphic;
  Replace(GraphicPtr(new G()));
  return static_cast<G*>(FGraphic.get());
}

TBitmap* TPicture::Bitmap() { return ForceType<TBitmap>(); }
void TPicture::SetBitmap(const TBitmap* value) { SetGraphic(value); }
TIcon* TPicture::Icon() { return ForceType<TIcon>(); }
void TPicture::SetIcon(const TIcon* value) { SetGraphic(value); }

void TPicture::Assign(const TPersistent* source) {
  if (!source) return Replace(nullptr);
  if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture == this) return;
    SetGraphic(picture->Graphic());
    FUnknownData = picture->FUnknownData;
    return;
  }
  if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) const {
  if (FGraphic && FGraphic->ClassType() == dest->ClassType()) return dest->Assign(FGraphic.get());
  TPersistent::AssignTo(dest);
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string extension = ExtractFileExt(fileName);
  if (!extension.empty()) extension.erase(0, 1);
  const TClass cls = Formats().FindExtension(extension);
  if (!cls) throw EInvalidGraphic(Format(msg::UnknownExtension, {extension}));
  GraphicPtr graphic = NewGraphic(cls);
  graphic->LoadFromFile(fileName);
  Replace(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::ReadData(TStream& stream) {
  const int64_t start = stream.Position();
  uint8_t length = 0;
  if (stream.Read(&length, 1) != 1) throw EInvalidGraphic(msg::InvalidImage);
  if (length == 0) {
    // No graphic: what an inherited form writes for a picture it cleared.
    Replace(nullptr);
    FUnknownData.clear();
    return;
  }
  std::string className(length, '\0');
  if (stream.Read(className.data(), length) != length) throw EInvalidGraphic(msg::InvalidImage);
  const TClass cls = Formats().FindClassName(className);
  if (!cls) {
    stream.SetPosition(start);
    Replace(nullptr);
    FUnknownData = stream.ReadRest();
    return;
  }
  GraphicPtr graphic = NewGraphic(cls);
  graphic->ReadData(stream);
  Replace(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) {
  if (!FUnknownData.empty()) return stream.WriteString(FUnknownData);
  if (!FGraphic) return stream.WriteString(std::string(1, '\0'));
  const std::string& className = FGraphic->ClassName();
  const auto length = static_cast<uint8_t>(className.size());
  stream.WriteBuffer(&length, 1);
  stream.WriteString(className);
  FGraphic->WriteData(stream);
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic || !FUnknownData.empty());
}

}  // namespace kcl
