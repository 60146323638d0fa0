// Loads arbitrary bytes as a BMP file. Whatever loads must write a file that
// loads again to the same pixels; whatever does not must raise EInvalidGraphic.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/canvas.h"

using namespace kcl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmap bitmap;
  try {
    TStringStream in(std::string(reinterpret_cast<const char*>(data), size));
    bitmap.LoadFromStream(in);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  if (bitmap.Empty()) return 0;
  bitmap.Canvas()->SetPixels(0, 0, clRed);  // changed: our own writer writes it
  TMemoryStream out;
  bitmap.SaveToStream(out);
  out.SetPosition(0);
  TBitmap again;
  again.LoadFromStream(out);
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) std::abort();
  // Indexed bitmaps map the new red to their colour table; others keep it.
  const TPixelFormat format = bitmap.PixelFormat();
  const bool indexed = format == pf1bit || format == pf4bit || format == pf8bit;
  if (!indexed && again.Image() != bitmap.Image()) std::abort();
  return 0;
}
