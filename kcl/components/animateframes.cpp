#include "kcl/components/animateframes.h"

#include <cmath>
#include <numbers>

#include "kcl/graphics/brush.h"
#include "kcl/graphics/pen.h"

namespace kcl {

namespace {

constexpr int Frames = 28;

void Folder(TCanvas& c, int x, int y) {
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clYellow);
  c.Rectangle(x, y + 4, x + 24, y + 20);
  c.Rectangle(x, y, x + 10, y + 5);
}

void Sheet(TCanvas& c, int x, int y) {
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clWhite);
  c.Rectangle(x, y, x + 12, y + 16);
  for (int line = 4; line < 14; line += 3) {
    c.MoveTo(x + 2, y + line);
    c.LineTo(x + 10, y + line);
  }
}

void Computer(TCanvas& c, int x, int y) {
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clSilver);
  c.Rectangle(x, y, x + 24, y + 18);
  c.Brush()->SetColor(clTeal);
  c.Rectangle(x + 3, y + 3, x + 21, y + 14);
  c.Brush()->SetColor(clSilver);
  c.Rectangle(x - 2, y + 20, x + 26, y + 25);
}

void Bin(TCanvas& c, int x, int y) {
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clSilver);
  c.Rectangle(x, y, x + 22, y + 26);
  for (int bar = 5; bar < 20; bar += 5) {
    c.MoveTo(x + bar, y + 3);
    c.LineTo(x + bar, y + 23);
  }
}

void Magnifier(TCanvas& c, int x, int y) {
  c.Pen()->SetColor(clBlack);
  c.Pen()->SetWidth(2);
  c.Brush()->SetStyle(bsClear);
  c.Ellipse(x, y, x + 14, y + 14);
  c.MoveTo(x + 12, y + 12);
  c.LineTo(x + 19, y + 19);
  c.Pen()->SetWidth(1);
  c.Brush()->SetStyle(bsSolid);
}

}  // namespace

TAviFormat CommonAviFormat(TCommonAVI avi) {
  switch (avi) {
    case TCommonAVI::aviNone: return {};
    case TCommonAVI::aviCopyFiles:
    case TCommonAVI::aviCopyFile: return {Frames, 272, 60};
    default: return {Frames, 80, 50};
  }
}

void DrawCommonAviFrame(TCanvas& c, TCommonAVI avi, int frame, TPoint origin) {
  const TAviFormat format = CommonAviFormat(avi);
  if (format.FrameCount == 0) return;
  const double t = static_cast<double>(std::clamp(frame, 1, format.FrameCount) - 1) / format.FrameCount;
  const int x = origin.X, y = origin.Y;
  switch (avi) {
    case TCommonAVI::aviFindFolder:
    case TCommonAVI::aviFindFile:
    case TCommonAVI::aviFindComputer: {
      if (avi == TCommonAVI::aviFindFolder) Folder(c, x + 28, y + 16);
      if (avi == TCommonAVI::aviFindFile) Sheet(c, x + 34, y + 16);
      if (avi == TCommonAVI::aviFindComputer) Computer(c, x + 28, y + 12);
      // The magnifier sweeps along an ellipse over the object.
      const double angle = 2 * std::numbers::pi * t;
      Magnifier(c, x + 30 + static_cast<int>(std::lround(22 * std::cos(angle))),
                y + 14 + static_cast<int>(std::lround(10 * std::sin(angle))));
      break;
    }
    case TCommonAVI::aviCopyFiles:
    case TCommonAVI::aviCopyFile: {
      Folder(c, x + 20, y + 30);
      Folder(c, x + format.Width - 44, y + 30);
      const int travel = format.Width - 84;
      const int sx = x + 36 + static_cast<int>(travel * t);
      const int sy = y + 24 - static_cast<int>(std::lround(20 * std::sin(std::numbers::pi * t)));
      Sheet(c, sx, sy);
      if (avi == TCommonAVI::aviCopyFiles) Sheet(c, sx - 14, sy + 4);
      break;
    }
    default: {
      Bin(c, x + 50, y + 20);
      if (avi == TCommonAVI::aviEmptyRecycle) {
        Sheet(c, x + 55, y + 20 - static_cast<int>(20 * t));
      } else if (avi == TCommonAVI::aviDeleteFile && t > 0.6) {
        break;  // the sheet is gone
      } else {
        Sheet(c, x + 10 + static_cast<int>(44 * t), y + 6 + static_cast<int>(std::lround(10 * t * t)));
      }
      break;
    }
  }
}

}  // namespace kcl
