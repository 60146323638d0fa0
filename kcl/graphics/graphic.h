#pragma once
// TGraphic: an image that can load and save itself, draw on a canvas and stream
// as the "Data" of a property (Glyph.Data, Icon.Data). TBitmap and TIcon derive
// from it; TPicture holds one of them.
#include <string>

#include "kcl/classes/events.h"
#include "kcl/classes/persistent.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/types.h"

namespace kcl {

class TCanvas;

KCL_EXCEPTION(EInvalidGraphic, Exception);
KCL_EXCEPTION(EInvalidGraphicOperation, Exception);
KCL_EXCEPTION(EOutOfResources, Exception);

namespace msg {
inline constexpr const char* InvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* InvalidIcon = "Icon image is not valid";
inline constexpr const char* UnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* ChangeIconSize = "Cannot change the size of an icon";
inline constexpr const char* NoCanvasHandle = "Canvas does not allow drawing";
inline constexpr const char* OutOfResources = "Out of system resources";
}  // namespace msg

class TGraphic : public TPersistent {
  KCL_CLASS(TGraphic, TPersistent)
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  // A transparent graphic leaves its background colour out when drawn.
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);
  // Loading reads from the stream's position to its end.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const std::string& fileName);
  // Through a temporary file, so that a failure leaves the old file intact.
  void SaveToFile(const std::string& fileName);

  // The graphic's form in a component stream; by default the file's bytes.
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }

  TNotifyEvent OnChange;

protected:
  friend class TCanvas;
  // Draws the whole graphic into rect (stretched to it).
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  virtual void Changed() { OnChange(this); }
  void DefineProperties(TFiler& filer) override;

  bool FTransparent = false;
};

}  // namespace kcl
