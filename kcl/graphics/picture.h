#pragma once
// TPicture: holds one graphic of any registered class (TBitmap, TIcon) and loads
// files by their extension. In a component stream its "Data" is the graphic's
// class name as a short string followed by the graphic's own data.
#include <memory>
#include <string>

#include "kcl/classes/events.h"
#include "kcl/classes/persistent.h"
#include "kcl/graphics/graphic.h"

namespace kcl {

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
  KCL_CLASS(TPicture, TPersistent)
public:
  TPicture();
  ~TPicture() override;
  // From another picture, a graphic (copied) or nullptr (no graphic).
  void Assign(const TPersistent* source) override;

  // nullptr while the picture is empty.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Holds a copy of value (nullptr empties the picture).
  void SetGraphic(const TGraphic* value);
  // The graphic as that class, replacing any graphic of another class by an
  // empty one.
  TBitmap* Bitmap();
  void SetBitmap(const TBitmap* value);
  TIcon* Icon();
  void SetIcon(const TIcon* value);
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // The class registered for the file's extension loads it; an unknown extension
  // raises EInvalidGraphic "Unknown picture file extension (.%s)". On failure
  // the picture keeps what it had.
  void LoadFromFile(const std::string& fileName);
  // Nothing for an empty picture.
  void SaveToFile(const std::string& fileName);

  // extension without the dot ("bmp"); graphicClass must be a TGraphic that
  // can be created. Its class name is also what "Data" finds it by.
  static void RegisterFileFormat(const std::string& extension, TClass graphicClass);

  // The "Data" value. A class this program does not know is kept as it was read
  // and written back unchanged, so that such forms lose nothing.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  TNotifyEvent OnChange;

protected:
  void AssignTo(TPersistent* dest) const override;
  void DefineProperties(TFiler& filer) override;
  virtual void Changed() { OnChange(this); }

private:
  using GraphicPtr = std::unique_ptr<TGraphic, TObjectFree>;
  void Replace(GraphicPtr graphic);
  template <class G>
  G* ForceType();

  GraphicPtr FGraphic;
  std::string FUnknownData;
};

}  // namespace kcl
